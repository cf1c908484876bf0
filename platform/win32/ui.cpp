#include "platform/ui.h"

#include "platform/win32/binding.h"

namespace platform {

using win32::Bind;

namespace {
constexpr char kUser32[] = "user32.dll";
constexpr char kGdi32[] = "gdi32.dll";
}  // namespace

int MessageBoxA(HWND owner, LPCSTR text, LPCSTR caption, UINT style) {
  static const auto fn = Bind<decltype(&::MessageBoxA)>(kUser32, "MessageBoxA");
  return fn(owner, text, caption, style);
}

HWINSTA GetProcessWindowStation() {
  static const auto fn =
      Bind<decltype(&::GetProcessWindowStation)>(kUser32, "GetProcessWindowStation");
  return fn();
}

BOOL GetUserObjectInformationA(HANDLE object, int index, PVOID info, DWORD length,
                               LPDWORD needed) {
  static const auto fn =
      Bind<decltype(&::GetUserObjectInformationA)>(kUser32, "GetUserObjectInformationA");
  return fn(object, index, info, length, needed);
}

ATOM RegisterClassExA(const WNDCLASSEXA* windowClass) {
  static const auto fn = Bind<decltype(&::RegisterClassExA)>(kUser32, "RegisterClassExA");
  return fn(windowClass);
}

BOOL UnregisterClassA(LPCSTR className, HINSTANCE instance) {
  static const auto fn = Bind<decltype(&::UnregisterClassA)>(kUser32, "UnregisterClassA");
  return fn(className, instance);
}

HWND CreateWindowExA(DWORD exStyle, LPCSTR className, LPCSTR windowName, DWORD style, int x,
                     int y, int width, int height, HWND parent, HMENU menu, HINSTANCE instance,
                     LPVOID param) {
  static const auto fn = Bind<decltype(&::CreateWindowExA)>(kUser32, "CreateWindowExA");
  return fn(exStyle, className, windowName, style, x, y, width, height, parent, menu, instance,
            param);
}

BOOL DestroyWindow(HWND window) {
  static const auto fn = Bind<decltype(&::DestroyWindow)>(kUser32, "DestroyWindow");
  return fn(window);
}

BOOL IsWindow(HWND window) {
  static const auto fn = Bind<decltype(&::IsWindow)>(kUser32, "IsWindow");
  return fn(window);
}

BOOL ShowWindow(HWND window, int show) {
  static const auto fn = Bind<decltype(&::ShowWindow)>(kUser32, "ShowWindow");
  return fn(window, show);
}

LRESULT DefWindowProcA(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  static const auto fn = Bind<decltype(&::DefWindowProcA)>(kUser32, "DefWindowProcA");
  return fn(window, message, wParam, lParam);
}

LRESULT SendMessageA(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  static const auto fn = Bind<decltype(&::SendMessageA)>(kUser32, "SendMessageA");
  return fn(window, message, wParam, lParam);
}

BOOL SetWindowTextA(HWND window, LPCSTR text) {
  static const auto fn = Bind<decltype(&::SetWindowTextA)>(kUser32, "SetWindowTextA");
  return fn(window, text);
}

int GetWindowTextA(HWND window, LPSTR buffer, int size) {
  static const auto fn = Bind<decltype(&::GetWindowTextA)>(kUser32, "GetWindowTextA");
  return fn(window, buffer, size);
}

// 32-bit user32 has no ...LongPtr entry points: there the pointer-sized
// value is the 32-bit one.
#ifdef _WIN64
constexpr char kSetWindowLongPtr[] = "SetWindowLongPtrA";
constexpr char kGetWindowLongPtr[] = "GetWindowLongPtrA";
#else
constexpr char kSetWindowLongPtr[] = "SetWindowLongA";
constexpr char kGetWindowLongPtr[] = "GetWindowLongA";
#endif

LONG_PTR SetWindowLongPtrA(HWND window, int index, LONG_PTR value) {
  using Function = LONG_PTR(WINAPI*)(HWND, int, LONG_PTR);
  static const auto fn = Bind<Function>(kUser32, kSetWindowLongPtr);
  return fn(window, index, value);
}

LONG_PTR GetWindowLongPtrA(HWND window, int index) {
  using Function = LONG_PTR(WINAPI*)(HWND, int);
  static const auto fn = Bind<Function>(kUser32, kGetWindowLongPtr);
  return fn(window, index);
}

BOOL AdjustWindowRectEx(RECT* rect, DWORD style, BOOL menu, DWORD exStyle) {
  static const auto fn = Bind<decltype(&::AdjustWindowRectEx)>(kUser32, "AdjustWindowRectEx");
  return fn(rect, style, menu, exStyle);
}

void PostQuitMessage(int exitCode) {
  static const auto fn = Bind<decltype(&::PostQuitMessage)>(kUser32, "PostQuitMessage");
  fn(exitCode);
}

int GetSystemMetrics(int index) {
  static const auto fn = Bind<decltype(&::GetSystemMetrics)>(kUser32, "GetSystemMetrics");
  return fn(index);
}

HDC GetDC(HWND window) {
  static const auto fn = Bind<decltype(&::GetDC)>(kUser32, "GetDC");
  return fn(window);
}

int ReleaseDC(HWND window, HDC dc) {
  static const auto fn = Bind<decltype(&::ReleaseDC)>(kUser32, "ReleaseDC");
  return fn(window, dc);
}

int GetDeviceCaps(HDC dc, int index) {
  static const auto fn = Bind<decltype(&::GetDeviceCaps)>(kGdi32, "GetDeviceCaps");
  return fn(dc, index);
}

HGDIOBJ GetStockObject(int object) {
  static const auto fn = Bind<decltype(&::GetStockObject)>(kGdi32, "GetStockObject");
  return fn(object);
}

DWORD GetSysColor(int index) {
  static const auto fn = Bind<decltype(&::GetSysColor)>(kUser32, "GetSysColor");
  return fn(index);
}

HBRUSH GetSysColorBrush(int index) {
  static const auto fn = Bind<decltype(&::GetSysColorBrush)>(kUser32, "GetSysColorBrush");
  return fn(index);
}

COLORREF SetTextColor(HDC dc, COLORREF color) {
  static const auto fn = Bind<decltype(&::SetTextColor)>(kGdi32, "SetTextColor");
  return fn(dc, color);
}

COLORREF SetBkColor(HDC dc, COLORREF color) {
  static const auto fn = Bind<decltype(&::SetBkColor)>(kGdi32, "SetBkColor");
  return fn(dc, color);
}

HANDLE LoadImageA(HINSTANCE instance, LPCSTR name, UINT type, int width, int height,
                  UINT flags) {
  static const auto fn = Bind<decltype(&::LoadImageA)>(kUser32, "LoadImageA");
  return fn(instance, name, type, width, height, flags);
}

BOOL GetMessageA(MSG* message, HWND window, UINT first, UINT last) {
  static const auto fn = Bind<decltype(&::GetMessageA)>(kUser32, "GetMessageA");
  return fn(message, window, first, last);
}

BOOL IsDialogMessageA(HWND dialog, MSG* message) {
  static const auto fn = Bind<decltype(&::IsDialogMessageA)>(kUser32, "IsDialogMessageA");
  return fn(dialog, message);
}

BOOL TranslateMessage(const MSG* message) {
  static const auto fn = Bind<decltype(&::TranslateMessage)>(kUser32, "TranslateMessage");
  return fn(message);
}

LRESULT DispatchMessageA(const MSG* message) {
  static const auto fn = Bind<decltype(&::DispatchMessageA)>(kUser32, "DispatchMessageA");
  return fn(message);
}

}  // namespace platform
