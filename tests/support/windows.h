// What the window tests share on both platforms.
#pragma once

#include <string>

#include "platform/ui.h"
#ifdef _WIN32
#include <windows.h>
#endif

namespace testing_support {

// The instance that window classes of the test program belong to.
inline HINSTANCE ThisProgram() {
#ifdef _WIN32
  return ::GetModuleHandleA(nullptr);
#else
  return nullptr;
#endif
}

// A window's text as the platform gives it.
inline std::string WindowText(HWND window) {
  char buffer[2048] = {};
  platform::GetWindowTextA(window, buffer, sizeof buffer);
  return buffer;
}

}  // namespace testing_support
