#include "platform/ui.h"

#include "platform/win32/binding.h"

namespace platform {

int MessageBoxA(HWND owner, LPCSTR text, LPCSTR caption, UINT style) {
  return PLATFORM_BIND(kUser32, MessageBoxA)(owner, text, caption, style);
}

HWINSTA GetProcessWindowStation() { return PLATFORM_BIND(kUser32, GetProcessWindowStation)(); }

BOOL GetUserObjectInformationA(HANDLE object, int index, PVOID info, DWORD length, LPDWORD needed) {
  return PLATFORM_BIND(kUser32, GetUserObjectInformationA)(object, index, info, length, needed);
}

ATOM RegisterClassExA(const WNDCLASSEXA* windowClass) {
  return PLATFORM_BIND(kUser32, RegisterClassExA)(windowClass);
}

BOOL UnregisterClassA(LPCSTR className, HINSTANCE instance) {
  return PLATFORM_BIND(kUser32, UnregisterClassA)(className, instance);
}

HWND CreateWindowExA(DWORD exStyle, LPCSTR className, LPCSTR windowName, DWORD style, int x, int y,
                     int width, int height, HWND parent, HMENU menu, HINSTANCE instance,
                     LPVOID param) {
  return PLATFORM_BIND(kUser32, CreateWindowExA)(exStyle, className, windowName, style, x, y, width,
                                                 height, parent, menu, instance, param);
}

BOOL DestroyWindow(HWND window) { return PLATFORM_BIND(kUser32, DestroyWindow)(window); }

BOOL IsWindow(HWND window) { return PLATFORM_BIND(kUser32, IsWindow)(window); }

BOOL ShowWindow(HWND window, int show) { return PLATFORM_BIND(kUser32, ShowWindow)(window, show); }

LRESULT DefWindowProcA(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return PLATFORM_BIND(kUser32, DefWindowProcA)(window, message, wParam, lParam);
}

LRESULT SendMessageA(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return PLATFORM_BIND(kUser32, SendMessageA)(window, message, wParam, lParam);
}

BOOL SetWindowTextA(HWND window, LPCSTR text) {
  return PLATFORM_BIND(kUser32, SetWindowTextA)(window, text);
}

int GetWindowTextA(HWND window, LPSTR buffer, int size) {
  return PLATFORM_BIND(kUser32, GetWindowTextA)(window, buffer, size);
}

// 32-bit user32 has no ...LongPtr entry points: there windows.h maps the
// names to the 32-bit ones, which take the pointer-sized value.
LONG_PTR SetWindowLongPtrA(HWND window, int index, LONG_PTR value) {
  return PLATFORM_BIND(kUser32, SetWindowLongPtrA)(window, index, value);
}

LONG_PTR GetWindowLongPtrA(HWND window, int index) {
  return PLATFORM_BIND(kUser32, GetWindowLongPtrA)(window, index);
}

BOOL AdjustWindowRectEx(RECT* rect, DWORD style, BOOL menu, DWORD exStyle) {
  return PLATFORM_BIND(kUser32, AdjustWindowRectEx)(rect, style, menu, exStyle);
}

void PostQuitMessage(int exitCode) { PLATFORM_BIND(kUser32, PostQuitMessage)(exitCode); }

int GetSystemMetrics(int index) { return PLATFORM_BIND(kUser32, GetSystemMetrics)(index); }

HDC GetDC(HWND window) { return PLATFORM_BIND(kUser32, GetDC)(window); }

int ReleaseDC(HWND window, HDC dc) { return PLATFORM_BIND(kUser32, ReleaseDC)(window, dc); }

int GetDeviceCaps(HDC dc, int index) { return PLATFORM_BIND(kGdi32, GetDeviceCaps)(dc, index); }

HGDIOBJ GetStockObject(int object) { return PLATFORM_BIND(kGdi32, GetStockObject)(object); }

DWORD GetSysColor(int index) { return PLATFORM_BIND(kUser32, GetSysColor)(index); }

HBRUSH GetSysColorBrush(int index) { return PLATFORM_BIND(kUser32, GetSysColorBrush)(index); }

COLORREF SetTextColor(HDC dc, COLORREF color) {
  return PLATFORM_BIND(kGdi32, SetTextColor)(dc, color);
}

COLORREF SetBkColor(HDC dc, COLORREF color) { return PLATFORM_BIND(kGdi32, SetBkColor)(dc, color); }

HANDLE LoadImageA(HINSTANCE instance, LPCSTR name, UINT type, int width, int height, UINT flags) {
  return PLATFORM_BIND(kUser32, LoadImageA)(instance, name, type, width, height, flags);
}

BOOL GetMessageA(MSG* message, HWND window, UINT first, UINT last) {
  return PLATFORM_BIND(kUser32, GetMessageA)(message, window, first, last);
}

BOOL IsDialogMessageA(HWND dialog, MSG* message) {
  return PLATFORM_BIND(kUser32, IsDialogMessageA)(dialog, message);
}

BOOL TranslateMessage(const MSG* message) {
  return PLATFORM_BIND(kUser32, TranslateMessage)(message);
}

LRESULT DispatchMessageA(const MSG* message) {
  return PLATFORM_BIND(kUser32, DispatchMessageA)(message);
}

}  // namespace platform
