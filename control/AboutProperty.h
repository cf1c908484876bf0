// AboutProperty: the control's About page. It shows the product, a
// copyright line and a paragraph, the maker's logo and contact lines, and a
// button that opens the maker's web site. It reads and changes nothing of
// the control, so it never has anything to apply.
#pragma once

#include <array>
#include <memory>
#include <string>

#include "control/Reghack.h"
#include "platform/handles.h"
#include "scribbet_names.h"
#include "windowing/twips.h"

namespace scribbet {

inline constexpr char16_t kAboutTitleLine[] = u"Scribbet OCX v." SCRIBBET_SHORT_VERSION;
inline constexpr char16_t kAboutCopyrightLine[] =
    u"Copyright (c) 1999-2001 " SCRIBBET_MAKER ". All rights reserved.";
inline constexpr char16_t kAboutParagraph[] =
    u"Scribbet writes entries into the Application event log of Windows NT with one call, "
    u"WriteEvent. The first time your program uses a source name, Scribbet registers it "
    u"with its own message file, so the Event Viewer shows your messages in full. The "
    u"control is invisible at run time and needs no set-up of its own.";

inline constexpr char16_t kMakerPostalAddress[] = u"" SCRIBBET_MAKER_POSTAL_ADDRESS;
inline constexpr char16_t kMakerEmailAddress[] = u"" SCRIBBET_MAKER_EMAIL_ADDRESS;

inline constexpr char kVisitCorvennaCaption[] = "&Visit " SCRIBBET_MAKER_SHORT_NAME " Online";

// Appended to the Windows directory: the URL handler lives in system32.
inline constexpr char16_t kSystem32Part[] = u"\\system32\\";

// The About text: title, copyright, one empty line, the paragraph, and no
// line break after it.
std::u16string AboutText();
// The maker's contact lines, each ended by CR LF: the postal address, then
// the web and e-mail addresses.
std::u16string MakerContactLines();
// The button's command line for a Windows directory as the platform reports
// it. Nothing is added or removed between the parts: a directory that ends
// in a separator doubles it, and an empty one (the system could not tell)
// gives a path from the root of the current drive, \system32\rundll32.exe.
std::u16string VisitCorvennaCommandLine(const std::u16string& windowsDirectory);

// The page's surface in pixels at the given resolution.
PixelRect AboutPageSize(int dotsPerInch);

// Control identifiers, in keyboard order.
enum AboutControlId : int {
  kAboutTextId = 200,
  kVisitCorvennaCommandId,
  kMakerTextId,
  kMakerLogoImageId,
};

class AboutProperty {
 public:
  // Creates the page's surface at the place the property frame gives, hidden,
  // with its controls placed from the design, and runs PropertyPage_Initialize.
  // The logo is a bitmap the caller keeps alive as long as the page; null
  // leaves the image empty.
  AboutProperty(HINSTANCE instance, HWND parent, const PixelRect& place, HBITMAP logo);
  AboutProperty(const AboutProperty&) = delete;
  AboutProperty& operator=(const AboutProperty&) = delete;
  ~AboutProperty();

  HWND Window() const { return window_.get(); }
  HWND Control(AboutControlId id) const { return controls_[id - kAboutTextId]; }

  void PropertyPage_Initialize();
  void VisitCorvennaCommand_Click();

 private:
  Reghack& Registry();

  void CreateControls(HINSTANCE instance, int dotsPerInch, HBITMAP logo);
  LRESULT OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT ControlColours(HDC dc, HWND control);

  // The window class lives as long as a page: a class left behind by a
  // module that is unloaded would point at code that is gone.
  struct ClassRegistration {
    ClassRegistration(HINSTANCE instance, WNDPROC procedure);
    ~ClassRegistration();
    ClassRegistration(const ClassRegistration&) = delete;
    ClassRegistration& operator=(const ClassRegistration&) = delete;
    HINSTANCE instance;
  };

  ClassRegistration class_;
  platform::unique_hwnd window_;
  // The controls go with the surface: Windows destroys children with it.
  std::array<HWND, 4> controls_{};
  std::unique_ptr<Reghack> reghack_;
};

}  // namespace scribbet
