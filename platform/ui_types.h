// The Windows user-interface types and constants the platform's window
// functions take. On Windows they come from windows.h; the simulated platform
// declares the ones the system uses here, with the same values.
#pragma once

#include "platform/types.h"

#ifndef _WIN32
using ATOM = WORD;
using WPARAM = std::uintptr_t;
using LPARAM = std::intptr_t;
using LRESULT = std::intptr_t;
using HINSTANCE = struct HINSTANCE__*;
using HMODULE = HINSTANCE;
using HICON = struct HICON__*;
using HCURSOR = HICON;
using HBRUSH = struct HBRUSH__*;
using HMENU = struct HMENU__*;
using HDC = struct HDC__*;
using HGDIOBJ = void*;
using HFONT = struct HFONT__*;
using HBITMAP = struct HBITMAP__*;
using COLORREF = DWORD;
using HWINSTA = struct HWINSTA__*;

struct USEROBJECTFLAGS {
  BOOL fInherit;
  BOOL fReserved;
  DWORD dwFlags;
};
constexpr int UOI_FLAGS = 1;
constexpr DWORD WSF_VISIBLE = 0x0001;

#define CALLBACK
#define WINAPI
using WNDPROC = LRESULT (*)(HWND, UINT, WPARAM, LPARAM);

struct WNDCLASSEXA {
  UINT cbSize;
  UINT style;
  WNDPROC lpfnWndProc;
  int cbClsExtra;
  int cbWndExtra;
  HINSTANCE hInstance;
  HICON hIcon;
  HCURSOR hCursor;
  HBRUSH hbrBackground;
  LPCSTR lpszMenuName;
  LPCSTR lpszClassName;
  HICON hIconSm;
};

struct RECT {
  LONG left;
  LONG top;
  LONG right;
  LONG bottom;
};

#define MAKEINTRESOURCEA(i) ((LPSTR)((ULONG_PTR)((WORD)(i))))
#define LOWORD(l) ((WORD)(((ULONG_PTR)(l)) & 0xffff))
#define HIWORD(l) ((WORD)((((ULONG_PTR)(l)) >> 16) & 0xffff))
#define MAKEWPARAM(l, h) ((WPARAM)(DWORD)((WORD)(l) | ((DWORD)(WORD)(h)) << 16))

constexpr DWORD WS_OVERLAPPED = 0x00000000;
constexpr DWORD WS_CHILD = 0x40000000;
constexpr DWORD WS_VISIBLE = 0x10000000;
constexpr DWORD WS_CAPTION = 0x00C00000;
constexpr DWORD WS_SYSMENU = 0x00080000;
constexpr DWORD WS_THICKFRAME = 0x00040000;
constexpr DWORD WS_GROUP = 0x00020000;
constexpr DWORD WS_TABSTOP = 0x00010000;
constexpr DWORD WS_MINIMIZEBOX = 0x00020000;
constexpr DWORD WS_MAXIMIZEBOX = 0x00010000;
constexpr DWORD WS_VSCROLL = 0x00200000;
constexpr DWORD WS_CLIPCHILDREN = 0x02000000;
constexpr DWORD WS_EX_CLIENTEDGE = 0x00000200;
constexpr DWORD WS_EX_CONTROLPARENT = 0x00010000;

constexpr DWORD ES_MULTILINE = 0x0004;
constexpr DWORD ES_AUTOVSCROLL = 0x0040;
constexpr DWORD ES_READONLY = 0x0800;
constexpr DWORD SS_BITMAP = 0x000E;
constexpr DWORD SS_CENTERIMAGE = 0x0200;

constexpr DWORD BS_PUSHBUTTON = 0x0;
constexpr DWORD BS_DEFPUSHBUTTON = 0x1;
constexpr DWORD BS_GROUPBOX = 0x7;
constexpr DWORD BS_AUTORADIOBUTTON = 0x9;
constexpr DWORD BS_TYPEMASK = 0xF;
constexpr DWORD BS_MULTILINE = 0x2000;

constexpr UINT WM_CREATE = 0x0001;
constexpr UINT WM_DESTROY = 0x0002;
constexpr UINT WM_CLOSE = 0x0010;
constexpr UINT WM_SETFONT = 0x0030;
constexpr UINT WM_COMMAND = 0x0111;
constexpr UINT EM_SETSEL = 0x00B1;
constexpr WORD EN_SETFOCUS = 0x0100;
constexpr UINT WM_CTLCOLOREDIT = 0x0133;
constexpr UINT WM_CTLCOLORSTATIC = 0x0138;
constexpr UINT STM_SETIMAGE = 0x0172;
constexpr UINT STM_GETIMAGE = 0x0173;
constexpr UINT BM_GETCHECK = 0x00F0;
constexpr UINT BM_SETCHECK = 0x00F1;
constexpr UINT BM_CLICK = 0x00F5;
constexpr WPARAM BST_UNCHECKED = 0;
constexpr WPARAM BST_CHECKED = 1;
constexpr WORD BN_CLICKED = 0;

constexpr int IDOK = 1;
constexpr int IDCANCEL = 2;
constexpr int GWLP_USERDATA = -21;
constexpr int SW_HIDE = 0;
constexpr int SW_SHOWMINIMIZED = 2;
constexpr int SW_SHOW = 5;
constexpr int SM_CXSCREEN = 0;
constexpr int SM_CYSCREEN = 1;
constexpr int LOGPIXELSX = 88;
constexpr int LOGPIXELSY = 90;
constexpr int ANSI_VAR_FONT = 12;
constexpr int DEFAULT_GUI_FONT = 17;
constexpr int COLOR_WINDOWTEXT = 8;
constexpr int COLOR_HIGHLIGHT = 13;
constexpr int COLOR_BTNFACE = 15;
constexpr UINT IMAGE_BITMAP = 0;
constexpr UINT IMAGE_ICON = 1;
constexpr UINT LR_SHARED = 0x8000;

constexpr UINT MB_OK = 0x0;
constexpr UINT MB_ICONHAND = 0x10;
constexpr UINT MB_ICONEXCLAMATION = 0x30;
constexpr UINT MB_APPLMODAL = 0x0;
#endif
