// frmWayfinch: the launcher's one window. Its site option opens the maker's
// web site, its help option the documentation beside the program; "Go!"
// starts the URL handler on the chosen one, "Exit" closes the window.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "launcher/clsEnviron.h"
#include "platform/handles.h"
#include "scribbet_names.h"

namespace wayfinch {

// The product name, used in two captions at load time.
inline constexpr char16_t kProductName[] = u"" SCRIBBET_PRODUCT;

inline constexpr char kBrowserErrorText[] =
    "I was unable to launch your default web browser.  Do you have a web browser installed "
    "and configured properly on this computer?";
inline constexpr char kBrowserErrorTitle[] = "Browser Error";

// Control identifiers. IDOK and IDCANCEL (1, 2) are left free: the dialog
// keys Enter and Esc send them, and this window has no default or cancel
// button for them to press.
enum ControlId : int {
  kOptionFrameId = 100,
  kVisitCorvennaOptionId,
  kViewHelpOptionId,
  kCmdGoId,
  kCmdExitId,
};

class frmWayfinch {
 public:
  // Creates the window and its controls, centred and hidden, and runs
  // Form_Load. The icons are resource 1 of the given module.
  explicit frmWayfinch(HINSTANCE instance);
  frmWayfinch(const frmWayfinch&) = delete;
  frmWayfinch& operator=(const frmWayfinch&) = delete;
  ~frmWayfinch();

  void Show();
  // False once the window has been unloaded (Exit or the close box).
  bool IsLoaded() const { return static_cast<bool>(window_); }

  HWND Window() const { return window_.get(); }
  HWND Control(ControlId id) const;

  void Form_Load();
  void cmdGo_Click();
  void cmdExit_Click();

 private:
  void LaunchWebSite();
  void LaunchHelpFile();
  // Starts the URL handler on the target; any error on the way, the
  // target's own included, ends in the "Browser Error" box.
  void LaunchUrlHandler(const std::function<std::u16string()>& target);
  clsEnviron& Environ();

  void CreateControls(HINSTANCE instance, int dotsPerInch);
  LRESULT OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  platform::unique_hwnd window_;
  // The controls go with the window: Windows destroys children with it.
  std::array<HWND, 5> controls_{};
  std::unique_ptr<clsEnviron> environ_;
};

// The value of an option button as a truth value: -1 when selected, else 0.
std::int16_t OptionValue(HWND option);

}  // namespace wayfinch
