#include "tests/wine/driver_support.h"

#include <fstream>

namespace driver {

std::string TextOf(HWND window) {
  char buffer[2048] = {};
  ::GetWindowTextA(window, buffer, sizeof buffer);
  return buffer;
}

std::string ClassOf(HWND window) {
  char name[128] = {};
  ::GetClassNameA(window, name, sizeof name);
  return name;
}

std::vector<std::string> Recorded(const std::string& recordFile) {
  std::vector<std::string> lines;
  std::ifstream in(recordFile);
  for (std::string line; std::getline(in, line);)
    if (!line.empty()) lines.push_back(line);
  return lines;
}

void Photograph(const std::string& path) {
  const HWND desktop = ::GetDesktopWindow();
  RECT area;
  ::GetClientRect(desktop, &area);
  const int width = area.right, height = area.bottom;
  HDC screen = ::GetDC(desktop);
  HDC memory = ::CreateCompatibleDC(screen);
  HBITMAP bitmap = ::CreateCompatibleBitmap(screen, width, height);
  HGDIOBJ old = ::SelectObject(memory, bitmap);
  ::BitBlt(memory, 0, 0, width, height, screen, 0, 0, SRCCOPY);
  ::SelectObject(memory, old);
  BITMAPINFOHEADER info{};
  info.biSize = sizeof info;
  info.biWidth = width;
  info.biHeight = height;
  info.biPlanes = 1;
  info.biBitCount = 24;
  const DWORD stride = (width * 3 + 3) & ~3u;
  std::vector<char> pixels(stride * height);
  ::GetDIBits(memory, bitmap, 0, height, pixels.data(), reinterpret_cast<BITMAPINFO*>(&info),
              DIB_RGB_COLORS);
  ::DeleteObject(bitmap);
  ::DeleteDC(memory);
  ::ReleaseDC(desktop, screen);
  BITMAPFILEHEADER file{};
  file.bfType = 0x4D42;
  file.bfOffBits = sizeof file + sizeof info;
  file.bfSize = file.bfOffBits + static_cast<DWORD>(pixels.size());
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(&file), sizeof file);
  out.write(reinterpret_cast<const char*>(&info), sizeof info);
  out.write(pixels.data(), static_cast<std::streamsize>(pixels.size()));
}

int ScreenDpi() {
  HDC screen = ::GetDC(nullptr);
  const int dpi = ::GetDeviceCaps(screen, LOGPIXELSY);
  ::ReleaseDC(nullptr, screen);
  return dpi;
}

PixelRect PlaceInParent(HWND control) {
  RECT r;
  ::GetWindowRect(control, &r);
  ::MapWindowPoints(HWND_DESKTOP, ::GetParent(control), reinterpret_cast<POINT*>(&r), 2);
  return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

int PixelsOnScreen(const RECT& area, COLORREF colour) {
  HDC screen = ::GetDC(nullptr);
  int count = 0;
  for (int y = area.top; y < area.bottom; ++y)
    for (int x = area.left; x < area.right; ++x)
      if (::GetPixel(screen, x, y) == colour) ++count;
  ::ReleaseDC(nullptr, screen);
  return count;
}

}  // namespace driver
