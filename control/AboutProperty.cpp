// The page's texts, its command line, and its two event handlers.
#include "control/AboutProperty.h"

#include <exception>

#include "control/AboutPageLayout.h"
#include "platform/ansi.h"
#include "platform/process.h"
#include "platform/ui.h"
#include "url_handler/url_handler.h"

namespace scribbet {

namespace {

constexpr char16_t kLineBreak[] = u"\r\n";

void SetText(HWND control, const std::u16string& text) {
  platform::SetWindowTextA(control, platform::ToAnsi(text).c_str());
}

}  // namespace

std::u16string AboutText() {
  std::u16string text(kAboutTitleLine);
  text += kLineBreak;
  text += kAboutCopyrightLine;
  text += kLineBreak;
  text += kLineBreak;
  text += kAboutParagraph;
  return text;
}

std::u16string MakerContactLines() {
  std::u16string lines(kMakerPostalAddress);
  lines += kLineBreak;
  lines += u"" SCRIBBET_MAKER_WEB_ADDRESS;
  lines += u"   ";
  lines += kMakerEmailAddress;
  lines += kLineBreak;
  return lines;
}

std::u16string VisitCorvennaCommandLine(const std::u16string& windowsDirectory) {
  // The directory part is never empty: without the Windows directory it is
  // "\system32\", a path from the root of the current drive. Such a path
  // starts no search, so no program of that name elsewhere is started.
  return *UrlHandlerCommandLine(windowsDirectory + kSystem32Part, u"" SCRIBBET_MAKER_WEB_ADDRESS);
}

PixelRect AboutPageSize(int dotsPerInch) { return ToPixels(kAboutPageSurface, dotsPerInch); }

void AboutProperty::PropertyPage_Initialize() {
  // Nothing here marks the page as changed: it holds no values, so the
  // frame's Apply button has nothing to do and stays disabled.
  SetText(Control(kAboutTextId), AboutText());
}

void AboutProperty::VisitCorvennaCommand_Click() {
  // An error raised while finding the directory or building the line is
  // not the page's to hide; only the start itself is tried and let go.
  const std::u16string commandLine = VisitCorvennaCommandLine(Registry().WinDirectory());
  try {
    platform::Shell(commandLine, kUrlHandlerShowMode);
  } catch (const std::exception&) {
    // No browser came up. The page says nothing: it is only informing.
  }
}

Reghack& AboutProperty::Registry() {
  if (!reghack_) reghack_ = std::make_unique<Reghack>();
  return *reghack_;
}

}  // namespace scribbet
