// Simulated windows: a table of windows with their text, styles, places and
// check marks. Windows of a registered class get their messages through the
// class's window procedure; the system's "BUTTON" class is built in, with
// the behaviour the launcher relies on (check marks, radio groups, clicks),
// and so are "EDIT" (text only) and "STATIC" (text and a picture).
#include <algorithm>
#include <cstring>
#include <utility>

#include "platform/sim/state.h"
#include "platform/ui.h"

namespace platform {

namespace {

constexpr COLORREF kInvalidColour = 0xFFFFFFFF;  // what the colour calls return on failure
// A classic fixed single border and caption, as a 96-dpi Windows draws them.
constexpr int kBorder = 3;
constexpr int kCaption = 18;
// Stock objects and icons: distinct values, never dereferenced.
HGDIOBJ StockObject(int object) { return reinterpret_cast<HGDIOBJ>(ULONG_PTR(0x7000 + object)); }

bool IsButton(const sim::WindowState& w) { return w.window.className == "BUTTON"; }
bool IsSystemClass(const std::string& name) {
  return name == "BUTTON" || name == "EDIT" || name == "STATIC";
}
bool IsAutoRadio(const sim::WindowState& w) {
  return IsButton(w) && (w.window.style & BS_TYPEMASK) == BS_AUTORADIOBUTTON;
}

// The radio group of a button, as Windows finds it: the siblings from the
// one with WS_GROUP at or before it up to the next one with WS_GROUP.
void CheckInGroup(sim::Machine& m, HWND clicked) {
  sim::WindowState* button = m.FindWindow(clicked);
  std::vector<sim::WindowState*> siblings;
  for (auto& w : m.windows)
    if (w.window.parent == button->window.parent) siblings.push_back(&w);
  auto at = std::find(siblings.begin(), siblings.end(), button);
  auto first = at;
  while (first != siblings.begin() && !((*first)->window.style & WS_GROUP)) --first;
  for (auto it = first; it != siblings.end(); ++it) {
    if (it != first && ((*it)->window.style & WS_GROUP)) break;
    if (IsAutoRadio(**it)) (*it)->window.checked = *it == button;
  }
}

LRESULT ButtonMessage(sim::Locked& m, HWND handle, UINT message, WPARAM wParam, LPARAM) {
  sim::WindowState* w = m->FindWindow(handle);
  switch (message) {
    case BM_GETCHECK: return w->window.checked ? BST_CHECKED : BST_UNCHECKED;
    case BM_SETCHECK: w->window.checked = wParam == BST_CHECKED; return 0;
    case WM_SETFONT: w->window.font = reinterpret_cast<HGDIOBJ>(wParam); return 0;
    case BM_CLICK: {
      if (IsAutoRadio(*w)) CheckInGroup(m.machine, handle);
      const HWND parent = w->window.parent;
      const WPARAM command = MAKEWPARAM(w->window.id, BN_CLICKED);
      m.lock.unlock();
      SendMessageA(parent, WM_COMMAND, command, reinterpret_cast<LPARAM>(handle));
      return 0;
    }
    default: return 0;
  }
}

// Edit and static controls keep their text in the table; a static also
// holds the picture it is given. Neither owns that picture.
LRESULT OtherSystemMessage(sim::Locked& m, HWND handle, UINT message, WPARAM wParam,
                           LPARAM lParam) {
  sim::WindowState* w = m->FindWindow(handle);
  const bool isStatic = w->window.className == "STATIC";
  switch (message) {
    case WM_SETFONT: w->window.font = reinterpret_cast<HGDIOBJ>(wParam); return 0;
    case STM_SETIMAGE:
      if (!isStatic) return 0;
      return reinterpret_cast<LRESULT>(
          std::exchange(w->window.image, reinterpret_cast<HANDLE>(lParam)));
    case STM_GETIMAGE: return isStatic ? reinterpret_cast<LRESULT>(w->window.image) : 0;
    default: return 0;
  }
}

}  // namespace

namespace sim {
WindowState* Machine::FindWindow(HWND handle) {
  for (auto& w : windows)
    if (w.window.handle == handle) return &w;
  return nullptr;
}
}  // namespace sim

ATOM RegisterClassExA(const WNDCLASSEXA* windowClass) {
  auto m = sim::Lock();
  if (sim::Enter(m.machine, PLATFORM_ENTRY_POINT(kUser32, RegisterClassExA))) return {};
  if (!windowClass || !windowClass->lpszClassName ||
      m->windowClasses.count(windowClass->lpszClassName))
    return 0;
  m->windowClasses[windowClass->lpszClassName] = *windowClass;
  return static_cast<ATOM>(0xC000 + m->windowClasses.size());
}

// As on Windows, a class with windows still open stays registered.
BOOL UnregisterClassA(LPCSTR className, HINSTANCE) {
  auto m = sim::Lock();
  if (sim::Enter(m.machine, PLATFORM_ENTRY_POINT(kUser32, UnregisterClassA))) return {};
  if (!className) return FALSE;
  const sim::NoCaseLess less;
  for (const auto& w : m->windows)
    if (!less(w.window.className, className) && !less(className, w.window.className))
      return FALSE;
  return m->windowClasses.erase(className) ? TRUE : FALSE;
}

HWND CreateWindowExA(DWORD exStyle, LPCSTR className, LPCSTR windowName, DWORD style, int x,
                     int y, int width, int height, HWND parent, HMENU menu, HINSTANCE, LPVOID) {
  auto m = sim::Lock();
  if (sim::Enter(m.machine, PLATFORM_ENTRY_POINT(kUser32, CreateWindowExA))) return {};
  if (!className) return nullptr;
  sim::WindowState w{};
  if (!IsSystemClass(className)) {
    auto found = m->windowClasses.find(className);
    if (found == m->windowClasses.end()) return nullptr;
    w.procedure = found->second.lpfnWndProc;
    w.window.icon = found->second.hIcon;
    w.window.smallIcon = found->second.hIconSm;
  }
  if (parent && !m->FindWindow(parent)) return nullptr;
  w.window.handle = reinterpret_cast<HWND>(m->NewHandle());
  w.window.parent = parent;
  w.window.className = className;
  w.window.text = windowName ? windowName : "";
  w.window.style = style;
  w.window.exStyle = exStyle;
  w.window.x = x;
  w.window.y = y;
  w.window.width = width;
  w.window.height = height;
  w.window.id = parent ? static_cast<int>(reinterpret_cast<ULONG_PTR>(menu)) : 0;
  w.window.visible = (style & WS_VISIBLE) != 0;
  m->windows.push_back(w);
  return w.window.handle;
}

BOOL DestroyWindow(HWND window) {
  // The window and all its descendants, parents before their children.
  std::vector<std::pair<HWND, WNDPROC>> doomed;
  {
    auto m = sim::Lock();
    if (sim::Enter(m.machine, PLATFORM_ENTRY_POINT(kUser32, DestroyWindow))) return {};
    sim::WindowState* w = m->FindWindow(window);
    if (!w) return FALSE;
    doomed.push_back({window, w->procedure});
    for (std::size_t i = 0; i < doomed.size(); ++i)
      for (auto& child : m->windows)
        if (child.window.parent == doomed[i].first)
          doomed.push_back({child.window.handle, child.procedure});
  }
  // Each hears of its end while its children still exist, as on Windows.
  for (const auto& [handle, procedure] : doomed)
    if (procedure) procedure(handle, WM_DESTROY, 0, 0);
  auto m = sim::Lock();
  std::erase_if(m->windows, [&](const sim::WindowState& w) {
    return std::find_if(doomed.begin(), doomed.end(), [&](const auto& d) {
             return d.first == w.window.handle;
           }) != doomed.end();
  });
  return TRUE;
}

BOOL IsWindow(HWND window) {
  auto m = sim::Lock();
  if (sim::Enter(m.machine, PLATFORM_ENTRY_POINT(kUser32, IsWindow))) return {};
  return m->FindWindow(window) != nullptr;
}

BOOL ShowWindow(HWND window, int show) {
  auto m = sim::Lock();
  if (sim::Enter(m.machine, PLATFORM_ENTRY_POINT(kUser32, ShowWindow))) return {};
  sim::WindowState* w = m->FindWindow(window);
  if (!w) return FALSE;
  const bool was = w->window.visible;
  w->window.visible = show != SW_HIDE;
  return was;
}

LRESULT DefWindowProcA(HWND window, UINT message, WPARAM, LPARAM) {
  {
    auto m = sim::Lock();
    if (sim::Enter(m.machine, PLATFORM_ENTRY_POINT(kUser32, DefWindowProcA))) return {};
  }
  if (message == WM_CLOSE) DestroyWindow(window);
  return 0;
}

LRESULT SendMessageA(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto m = sim::Lock();
  if (sim::Enter(m.machine, PLATFORM_ENTRY_POINT(kUser32, SendMessageA))) return {};
  sim::WindowState* w = m->FindWindow(window);
  if (!w) return 0;
  if (IsButton(*w)) return ButtonMessage(m, window, message, wParam, lParam);
  if (IsSystemClass(w->window.className))
    return OtherSystemMessage(m, window, message, wParam, lParam);
  const WNDPROC procedure = w->procedure;
  m.lock.unlock();
  return procedure(window, message, wParam, lParam);
}

BOOL SetWindowTextA(HWND window, LPCSTR text) {
  auto m = sim::Lock();
  if (sim::Enter(m.machine, PLATFORM_ENTRY_POINT(kUser32, SetWindowTextA))) return {};
  sim::WindowState* w = m->FindWindow(window);
  if (!w) return FALSE;
  w->window.text = text ? text : "";
  return TRUE;
}

int GetWindowTextA(HWND window, LPSTR buffer, int size) {
  auto m = sim::Lock();
  if (sim::Enter(m.machine, PLATFORM_ENTRY_POINT(kUser32, GetWindowTextA))) return {};
  sim::WindowState* w = m->FindWindow(window);
  if (!w || size <= 0) return 0;
  const auto length = std::min<std::size_t>(w->window.text.size(), std::size_t(size - 1));
  std::memcpy(buffer, w->window.text.data(), length);
  buffer[length] = '\0';
  return static_cast<int>(length);
}

LONG_PTR SetWindowLongPtrA(HWND window, int index, LONG_PTR value) {
  auto m = sim::Lock();
  if (sim::Enter(m.machine, PLATFORM_ENTRY_POINT(kUser32, SetWindowLongPtrA))) return {};
  sim::WindowState* w = m->FindWindow(window);
  if (!w || index != GWLP_USERDATA) return 0;
  return std::exchange(w->userData, value);
}

LONG_PTR GetWindowLongPtrA(HWND window, int index) {
  auto m = sim::Lock();
  if (sim::Enter(m.machine, PLATFORM_ENTRY_POINT(kUser32, GetWindowLongPtrA))) return {};
  sim::WindowState* w = m->FindWindow(window);
  return w && index == GWLP_USERDATA ? w->userData : 0;
}

BOOL AdjustWindowRectEx(RECT* rect, DWORD style, BOOL, DWORD) {
  auto m = sim::Lock();
  if (sim::Enter(m.machine, PLATFORM_ENTRY_POINT(kUser32, AdjustWindowRectEx))) return {};
  if (!rect) return FALSE;
  if (style & WS_CAPTION) {
    rect->left -= kBorder;
    rect->right += kBorder;
    rect->top -= kBorder + kCaption;
    rect->bottom += kBorder;
  }
  return TRUE;
}

void PostQuitMessage(int exitCode) {
  auto m = sim::Lock();
  if (sim::Enter(m.machine, PLATFORM_ENTRY_POINT(kUser32, PostQuitMessage))) return;
  m->quitCode = exitCode;
}

int GetSystemMetrics(int index) {
  auto m = sim::Lock();
  if (sim::Enter(m.machine, PLATFORM_ENTRY_POINT(kUser32, GetSystemMetrics))) return {};
  if (index == SM_CXSCREEN) return m->screenWidth;
  if (index == SM_CYSCREEN) return m->screenHeight;
  return 0;
}

HDC GetDC(HWND) {
  auto m = sim::Lock();
  if (sim::Enter(m.machine, PLATFORM_ENTRY_POINT(kUser32, GetDC))) return {};
  const auto dc = reinterpret_cast<HDC>(m->NewHandle());
  m->deviceContexts.insert(dc);
  return dc;
}

int ReleaseDC(HWND, HDC dc) {
  auto m = sim::Lock();
  if (sim::Enter(m.machine, PLATFORM_ENTRY_POINT(kUser32, ReleaseDC))) return {};
  return m->deviceContexts.erase(dc) ? 1 : 0;
}

int GetDeviceCaps(HDC dc, int index) {
  auto m = sim::Lock();
  if (sim::Enter(m.machine, PLATFORM_ENTRY_POINT(kGdi32, GetDeviceCaps))) return {};
  if (!m->deviceContexts.count(dc)) return 0;
  return index == LOGPIXELSX || index == LOGPIXELSY ? m->dotsPerInch : 0;
}

HGDIOBJ GetStockObject(int object) {
  auto m = sim::Lock();
  if (sim::Enter(m.machine, PLATFORM_ENTRY_POINT(kGdi32, GetStockObject))) return {};
  return StockObject(object);
}

// The classic Windows scheme: silver faces, navy highlight, black text.
DWORD GetSysColor(int index) {
  auto m = sim::Lock();
  if (sim::Enter(m.machine, PLATFORM_ENTRY_POINT(kUser32, GetSysColor))) return {};
  switch (index) {
    case COLOR_BTNFACE: return 0xC0C0C0;
    case COLOR_HIGHLIGHT: return 0x800000;  // COLORREF is 0x00BBGGRR
    default: return 0;
  }
}

HBRUSH GetSysColorBrush(int index) {
  auto m = sim::Lock();
  if (sim::Enter(m.machine, PLATFORM_ENTRY_POINT(kUser32, GetSysColorBrush))) return {};
  return reinterpret_cast<HBRUSH>(ULONG_PTR(0x6000 + index));
}

COLORREF SetTextColor(HDC dc, COLORREF color) {
  auto m = sim::Lock();
  if (sim::Enter(m.machine, PLATFORM_ENTRY_POINT(kGdi32, SetTextColor))) return kInvalidColour;
  return std::exchange(m->dcColours[dc].text, color);
}

COLORREF SetBkColor(HDC dc, COLORREF color) {
  auto m = sim::Lock();
  if (sim::Enter(m.machine, PLATFORM_ENTRY_POINT(kGdi32, SetBkColor))) return kInvalidColour;
  return std::exchange(m->dcColours[dc].back, color);
}

HANDLE LoadImageA(HINSTANCE, LPCSTR name, UINT type, int width, int, UINT) {
  auto m = sim::Lock();
  if (sim::Enter(m.machine, PLATFORM_ENTRY_POINT(kUser32, LoadImageA))) return {};
  if (type != IMAGE_ICON) return nullptr;
  // One handle per resource and size, as shared images are.
  return reinterpret_cast<HANDLE>(0x50000 + (reinterpret_cast<ULONG_PTR>(name) << 8) +
                                  static_cast<ULONG_PTR>(width));
}

namespace sim {

std::vector<Window> Windows() {
  auto m = Lock();
  std::vector<Window> out;
  for (const auto& w : m->windows) out.push_back(w.window);
  return out;
}

void SetScreen(int width, int height, int dotsPerInch) {
  auto m = Lock();
  m->screenWidth = width;
  m->screenHeight = height;
  m->dotsPerInch = dotsPerInch;
}

int QuitCode() { return Lock()->quitCode; }
int OpenDeviceContexts() { return static_cast<int>(Lock()->deviceContexts.size()); }

bool IsClassRegistered(const std::string& className) {
  return Lock()->windowClasses.count(className) != 0;
}

DcColours ColoursOf(HDC dc) {
  auto m = Lock();
  const auto found = m->dcColours.find(dc);
  return found == m->dcColours.end() ? DcColours{} : found->second;
}

}  // namespace sim

}  // namespace platform
