// The window's event handlers and its two launch procedures.
#include "launcher/frmWayfinch.h"

#include "platform/ansi.h"
#include "platform/errors.h"
#include "platform/process.h"
#include "platform/ui.h"
#include "url_handler/url_handler.h"
#include "scribbet_names.h"

namespace wayfinch {

namespace {

constexpr std::int16_t kTrue = -1;

void SetCaption(HWND window, const std::u16string& caption) {
  platform::SetWindowTextA(window, platform::ToAnsi(caption).c_str());
}

}  // namespace

std::int16_t OptionValue(HWND option) {
  return platform::SendMessageA(option, BM_GETCHECK, 0, 0) == BST_CHECKED ? kTrue : 0;
}

void frmWayfinch::Form_Load() {
  SetCaption(Window(), std::u16string(kProductName) + u" Info ...");
  SetCaption(Control(kViewHelpOptionId),
             u"View " + std::u16string(kProductName) + u" HTML Documentation");
  platform::SendMessageA(Control(kVisitCorvennaOptionId), BM_SETCHECK, BST_CHECKED, 0);
}

void frmWayfinch::cmdGo_Click() {
  // Only the site option is read: any other state opens the documentation.
  if (OptionValue(Control(kVisitCorvennaOptionId)) == kTrue)
    LaunchWebSite();
  else
    LaunchHelpFile();
}

void frmWayfinch::cmdExit_Click() { window_.reset(); }

void frmWayfinch::LaunchWebSite() {
  LaunchUrlHandler([] { return std::u16string(u"" SCRIBBET_MAKER_WEB_ADDRESS); });
}

void frmWayfinch::LaunchHelpFile() {
  LaunchUrlHandler([] { return platform::ProgramFolder() + u"\\help.htm"; });
}

void frmWayfinch::LaunchUrlHandler(const std::function<std::u16string()>& target) {
  try {
    const auto commandLine = UrlHandlerCommandLine(Environ().GetWindowsSysDir(), target());
    if (!commandLine)
      throw platform::RuntimeError(platform::ErrorNumber::FileNotFound,
                                   "The system directory is not known");
    platform::Shell(*commandLine, kUrlHandlerShowMode);
  } catch (...) {
    // Whatever went wrong, the user learns only that no browser came up;
    // the window stays as it was and the next click tries again.
    platform::MessageBoxA(Window(), kBrowserErrorText, kBrowserErrorTitle,
                          MB_OK | MB_ICONEXCLAMATION | MB_APPLMODAL);
  }
}

clsEnviron& frmWayfinch::Environ() {
  if (!environ_) environ_ = std::make_unique<clsEnviron>();
  return *environ_;
}

}  // namespace wayfinch
