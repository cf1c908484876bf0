// The page's surface inside the property frame: its window class, its
// controls placed from the design in twips, their colours, and the window
// procedure that turns the button's click into its event handler.
#include "windowing/owned_window.h"
#include "control/AboutPageLayout.h"
#include "control/AboutProperty.h"
#include "platform/ansi.h"
#include "platform/screen.h"
#include "platform/ui.h"

namespace scribbet {

namespace {

constexpr char kClassName[] = "Scribbet.AboutProperty";
// The frame's dialog manager reaches into the surface for Tab and Alt+V.
constexpr DWORD kSurfaceExStyle = WS_EX_CONTROLPARENT;
constexpr DWORD kSurfaceStyle = WS_CHILD | WS_CLIPCHILDREN;
constexpr DWORD kChildStyle = WS_CHILD | WS_VISIBLE;
// Both text boxes only inform: read-only, so what is shown is what was set.
constexpr DWORD kTextBoxStyle = ES_MULTILINE | ES_READONLY | WS_TABSTOP;

}  // namespace

AboutProperty::ClassRegistration::ClassRegistration(HINSTANCE module, WNDPROC procedure)
    : instance(module) {
  WNDCLASSEXA windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = procedure;
  windowClass.hInstance = instance;
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<LONG_PTR>(COLOR_BTNFACE + 1));
  windowClass.lpszClassName = kClassName;
  // A second page open at the same time finds the class already there.
  platform::RegisterClassExA(&windowClass);
}

AboutProperty::ClassRegistration::~ClassRegistration() {
  // Refused while another page's surface still uses the class; the last
  // page to go takes it away.
  try {
    platform::UnregisterClassA(kClassName, instance);
  } catch (...) {
  }
}

AboutProperty::AboutProperty(HINSTANCE instance, HWND parent, const PixelRect& place,
                             HBITMAP logo)
    : class_(instance, &windowing::OwnedWindowProcedure<AboutProperty, &AboutProperty::OnMessage>) {
  window_.reset(platform::CreateWindowExA(kSurfaceExStyle, kClassName, "", kSurfaceStyle,
                                          place.x, place.y, place.width, place.height, parent,
                                          nullptr, instance, nullptr));
  if (!window_) windowing::RaiseCannotCreate("the About page's surface");
  platform::SetWindowLongPtrA(Window(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  CreateControls(instance, platform::ScreenDotsPerInch(), logo);
  PropertyPage_Initialize();
}

AboutProperty::~AboutProperty() {
  // The surface must not call back into a page that is going away.
  if (window_) platform::SetWindowLongPtrA(Window(), GWLP_USERDATA, 0);
  window_.reset();
}

void AboutProperty::CreateControls(HINSTANCE instance, int dotsPerInch, HBITMAP logo) {
  // The page was designed in MS Sans Serif 8, the system's proportional ANSI
  // font: the button's caption and the maker's lines fit their boxes in it.
  const auto font = reinterpret_cast<WPARAM>(platform::GetStockObject(ANSI_VAR_FONT));
  struct Design {
    AboutControlId id;
    const char* className;
    std::string text;
    DWORD style;
    DWORD exStyle;
    TwipsRect place;
  };
  // Creation order is the keyboard order; the logo takes no focus.
  const Design controls[] = {
      {kAboutTextId, "EDIT", "", kTextBoxStyle | ES_AUTOVSCROLL | WS_VSCROLL, WS_EX_CLIENTEDGE,
       kAboutTextPlace},
      {kVisitCorvennaCommandId, "BUTTON", kVisitCorvennaCaption, BS_PUSHBUTTON | WS_TABSTOP, 0,
       kVisitCorvennaCommandPlace},
      {kMakerTextId, "EDIT", platform::ToAnsi(MakerContactLines()), kTextBoxStyle, 0,
       kMakerTextPlace},
      {kMakerLogoImageId, "STATIC", "", SS_BITMAP | SS_CENTERIMAGE, 0, kMakerLogoImagePlace},
  };
  for (const Design& design : controls) {
    const PixelRect place = ToPixels(design.place, dotsPerInch);
    const HWND control = platform::CreateWindowExA(
        design.exStyle, design.className, design.text.c_str(), kChildStyle | design.style,
        place.x, place.y, place.width, place.height, Window(),
        reinterpret_cast<HMENU>(static_cast<ULONG_PTR>(design.id)), instance, nullptr);
    if (!control) windowing::RaiseCannotCreate("the About page's controls");
    platform::SendMessageA(control, WM_SETFONT, font, 0);
    controls_[design.id - kAboutTextId] = control;
  }
  // The static control draws the bitmap but does not own it.
  if (logo)
    platform::SendMessageA(Control(kMakerLogoImageId), STM_SETIMAGE, IMAGE_BITMAP,
                           reinterpret_cast<LPARAM>(logo));
}

LRESULT AboutProperty::ControlColours(HDC dc, HWND control) {
  // Both text boxes blend with the page; the maker's lines stand out in
  // the highlight colour.
  const bool maker = control == Control(kMakerTextId);
  platform::SetTextColor(dc, platform::GetSysColor(maker ? COLOR_HIGHLIGHT : COLOR_WINDOWTEXT));
  platform::SetBkColor(dc, platform::GetSysColor(COLOR_BTNFACE));
  // The system's own brush: nothing to delete.
  return reinterpret_cast<LRESULT>(platform::GetSysColorBrush(COLOR_BTNFACE));
}

LRESULT AboutProperty::OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND: {
      const auto sender = reinterpret_cast<HWND>(lParam);
      if (!sender) break;
      if (HIWORD(wParam) == BN_CLICKED && sender == Control(kVisitCorvennaCommandId)) {
        VisitCorvennaCommand_Click();
        return 0;
      }
      // The dialog manager selects a text box's whole text when it takes
      // the focus; on a page that only informs that reads as a highlight,
      // so the caret goes back to the start.
      if (HIWORD(wParam) == EN_SETFOCUS &&
          (sender == Control(kAboutTextId) || sender == Control(kMakerTextId))) {
        platform::SendMessageA(sender, EM_SETSEL, 0, 0);
        return 0;
      }
      break;
    }
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC: {
      const auto control = reinterpret_cast<HWND>(lParam);
      if (control != Control(kAboutTextId) && control != Control(kMakerTextId)) break;
      return ControlColours(reinterpret_cast<HDC>(wParam), control);
    }
    case WM_DESTROY:
      // The frame destroyed the surface with itself: nothing is left to
      // destroy later.
      platform::SetWindowLongPtrA(window, GWLP_USERDATA, 0);
      window_.release();
      controls_ = {};
      return 0;
  }
  return platform::DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace scribbet
