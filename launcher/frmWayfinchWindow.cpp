// The window itself: its class, its controls placed from the design in
// twips, and the window procedure that turns clicks into event handlers.
#include <exception>

#include "windowing/owned_window.h"
#include "launcher/FormLayout.h"
#include "launcher/frmWayfinch.h"
#include "platform/screen.h"
#include "platform/ui.h"
#include "scribbet_names.h"

namespace wayfinch {

namespace {

constexpr char kClassName[] = "Wayfinch.frmWayfinch";
constexpr int kIconResource = 1;
// Fixed single border: a title bar with the window menu and the minimize
// box, no maximize box and no sizing border.
constexpr DWORD kWindowStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
constexpr DWORD kChildStyle = WS_CHILD | WS_VISIBLE;

HICON LoadIconOfSize(HINSTANCE instance, int size) {
  // Shared icons belong to the system, which frees them with the module.
  return static_cast<HICON>(platform::LoadImageA(instance, MAKEINTRESOURCEA(kIconResource),
                                                 IMAGE_ICON, size, size, LR_SHARED));
}

void RegisterWindowClass(HINSTANCE instance, WNDPROC procedure) {
  WNDCLASSEXA windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = procedure;
  windowClass.hInstance = instance;
  windowClass.hIcon = LoadIconOfSize(instance, 32);
  windowClass.hIconSm = LoadIconOfSize(instance, 16);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<LONG_PTR>(COLOR_BTNFACE + 1));
  windowClass.lpszClassName = kClassName;
  // Registered once per process; a second window reuses the class.
  platform::RegisterClassExA(&windowClass);
}

}  // namespace

frmWayfinch::frmWayfinch(HINSTANCE instance) {
  RegisterWindowClass(instance,
                      &windowing::OwnedWindowProcedure<frmWayfinch, &frmWayfinch::OnMessage>);
  const int dotsPerInch = platform::ScreenDotsPerInch();

  const PixelRect client = ToPixels(kClientArea, dotsPerInch);
  RECT frame{0, 0, client.width, client.height};
  platform::AdjustWindowRectEx(&frame, kWindowStyle, FALSE, 0);
  const int width = frame.right - frame.left;
  const int height = frame.bottom - frame.top;
  const int x = (platform::GetSystemMetrics(SM_CXSCREEN) - width) / 2;
  const int y = (platform::GetSystemMetrics(SM_CYSCREEN) - height) / 2;

  window_.reset(platform::CreateWindowExA(0, kClassName, "", kWindowStyle, x, y, width, height,
                                          nullptr, nullptr, instance, nullptr));
  if (!window_) windowing::RaiseCannotCreate("the window's main window");
  platform::SetWindowLongPtrA(Window(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  CreateControls(instance, dotsPerInch);
  Form_Load();
}

frmWayfinch::~frmWayfinch() {
  // The window must not call back into an object that is going away.
  if (window_) platform::SetWindowLongPtrA(Window(), GWLP_USERDATA, 0);
}

void frmWayfinch::CreateControls(HINSTANCE instance, int dotsPerInch) {
  // No font is chosen: every control gets the system's default GUI font,
  // the one a form designer shows, rather than the bold system font.
  const auto font = reinterpret_cast<WPARAM>(platform::GetStockObject(DEFAULT_GUI_FONT));
  struct Design {
    ControlId id;
    const char* caption;
    DWORD style;
    PixelRect place;
  };
  // Creation order is the keyboard order: the options, Go, Exit, then the
  // frame, which is drawn beneath the options it holds.
  const Design controls[] = {
      {kVisitCorvennaOptionId, "Visit " SCRIBBET_MAKER " Online",
       BS_AUTORADIOBUTTON | BS_MULTILINE | WS_GROUP | WS_TABSTOP,
       ToPixels(kVisitCorvennaOption, dotsPerInch, kOptionFrame)},
      {kViewHelpOptionId, "", BS_AUTORADIOBUTTON | BS_MULTILINE,
       ToPixels(kViewHelpOption, dotsPerInch, kOptionFrame)},
      {kCmdGoId, "&Go!", BS_PUSHBUTTON | WS_GROUP | WS_TABSTOP, ToPixels(kCmdGo, dotsPerInch)},
      {kCmdExitId, "&Exit", BS_PUSHBUTTON | WS_TABSTOP, ToPixels(kCmdExit, dotsPerInch)},
      {kOptionFrameId, "", BS_GROUPBOX | WS_GROUP, ToPixels(kOptionFrame, dotsPerInch)},
  };
  for (const Design& design : controls) {
    const HWND control = platform::CreateWindowExA(
        0, "BUTTON", design.caption, kChildStyle | design.style, design.place.x, design.place.y,
        design.place.width, design.place.height, Window(),
        reinterpret_cast<HMENU>(static_cast<ULONG_PTR>(design.id)), instance, nullptr);
    if (!control) windowing::RaiseCannotCreate("the window's controls");
    platform::SendMessageA(control, WM_SETFONT, font, 0);
    controls_[design.id - kOptionFrameId] = control;
  }
}

HWND frmWayfinch::Control(ControlId id) const { return controls_[id - kOptionFrameId]; }

void frmWayfinch::Show() { platform::ShowWindow(Window(), SW_SHOW); }

LRESULT frmWayfinch::OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND: {
      // Only a click on the button itself counts, not a key's command
      // that merely carries the same number.
      const auto sender = reinterpret_cast<HWND>(lParam);
      if (HIWORD(wParam) != BN_CLICKED || !sender) break;
      if (sender == Control(kCmdGoId)) cmdGo_Click();
      if (sender == Control(kCmdExitId)) cmdExit_Click();
      return 0;
    }
    case WM_DESTROY:
      // The window is gone (Exit or the close box): nothing is left to
      // destroy later, and with the only window the program ends.
      platform::SetWindowLongPtrA(window, GWLP_USERDATA, 0);
      window_.release();
      controls_ = {};
      platform::PostQuitMessage(0);
      return 0;
  }
  return platform::DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace wayfinch
