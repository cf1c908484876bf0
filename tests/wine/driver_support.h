// What the end-to-end drivers share: reading windows back, waiting for what
// another process or thread does, the recorder's file, and a photograph of
// the desktop for a person to look at.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "windowing/twips.h"

namespace driver {

// Wine's first start of a program is slow.
inline constexpr DWORD kPatience = 60000;

std::string TextOf(HWND window);
std::string ClassOf(HWND window);

// Waits for something another process or thread does; the deadline is only
// there so that a broken program fails the test instead of hanging the run.
template <typename Condition>
bool Eventually(Condition condition) {
  const DWORD start = ::GetTickCount();
  while (!condition()) {
    if (::GetTickCount() - start > kPatience) return false;
    ::Sleep(100);
  }
  return true;
}

// The lines the recorder script wrote, empty ones left out.
std::vector<std::string> Recorded(const std::string& recordFile);

// The desktop as a 24-bit bitmap file: Wine's virtual desktop draws the
// title bars too, so this is what a user sees.
void Photograph(const std::string& path);

int ScreenDpi();

// How many pixels of the colour the screen shows inside the area.
int PixelsOnScreen(const RECT& area, COLORREF colour);

// The window's place in its parent's client area.
PixelRect PlaceInParent(HWND control);

}  // namespace driver
