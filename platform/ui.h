// The user interface of the system: windows and their controls, modal
// message boxes, the screen's size and resolution, icons from resources.
#pragma once

#include "platform/ui_types.h"

namespace platform {

// A modal message box with text, title and style; returns the button chosen.
int MessageBoxA(HWND owner, LPCSTR text, LPCSTR caption, UINT style);

// The process's window station and what it tells of itself (UOI_FLAGS).
HWINSTA GetProcessWindowStation();
BOOL GetUserObjectInformationA(HANDLE object, int index, PVOID info, DWORD length, LPDWORD needed);

// Whether a person can see the process's windows: false on a window station
// without WSF_VISIBLE, as services, scheduled tasks without a logged-on user
// and web servers' workers run on. There a modal box would wait for ever.
// A station that cannot tell counts as visible.
bool WindowStationVisible();

ATOM RegisterClassExA(const WNDCLASSEXA* windowClass);
BOOL UnregisterClassA(LPCSTR className, HINSTANCE instance);
HWND CreateWindowExA(DWORD exStyle, LPCSTR className, LPCSTR windowName, DWORD style, int x,
                     int y, int width, int height, HWND parent, HMENU menu, HINSTANCE instance,
                     LPVOID param);
BOOL DestroyWindow(HWND window);
BOOL IsWindow(HWND window);
BOOL ShowWindow(HWND window, int show);
LRESULT DefWindowProcA(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT SendMessageA(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
BOOL SetWindowTextA(HWND window, LPCSTR text);
int GetWindowTextA(HWND window, LPSTR buffer, int size);
LONG_PTR SetWindowLongPtrA(HWND window, int index, LONG_PTR value);
LONG_PTR GetWindowLongPtrA(HWND window, int index);
BOOL AdjustWindowRectEx(RECT* rect, DWORD style, BOOL menu, DWORD exStyle);
void PostQuitMessage(int exitCode);

int GetSystemMetrics(int index);
HDC GetDC(HWND window);
int ReleaseDC(HWND window, HDC dc);
int GetDeviceCaps(HDC dc, int index);
HGDIOBJ GetStockObject(int object);
DWORD GetSysColor(int index);
HBRUSH GetSysColorBrush(int index);
COLORREF SetTextColor(HDC dc, COLORREF color);
COLORREF SetBkColor(HDC dc, COLORREF color);
HANDLE LoadImageA(HINSTANCE instance, LPCSTR name, UINT type, int width, int height, UINT flags);

#ifdef _WIN32
// The message queue. The simulated machine has none: a test sends its
// messages straight to the windows.
BOOL GetMessageA(MSG* message, HWND window, UINT first, UINT last);
BOOL IsDialogMessageA(HWND dialog, MSG* message);
BOOL TranslateMessage(const MSG* message);
LRESULT DispatchMessageA(const MSG* message);
#endif

// The screen's device context for a handle owner (GetDC with no window).
inline int ReleaseScreenDC(HDC dc) { return platform::ReleaseDC(nullptr, dc); }

}  // namespace platform
