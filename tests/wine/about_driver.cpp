// The control's About page inside Wine's property frame, end to end: creates
// the registered control by its class, asks it for its property pages, shows
// them with OleCreatePropertyFrame as a form designer does, and from a second
// thread reads the frame back, photographs it, clicks the page's button and
// reads what Wine's URL handler passed on to the browser (a recorder script).
//
//   about_driver RECORD-FILE SHOT-FILE [gtest options]
#include <initguid.h>  // defines the control's GUIDs here, from its header

#include <windows.h>
#include <commctrl.h>
#include <olectl.h>
#include <wrl/client.h>

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "Scribbet_h.h"
#include "control/AboutPageLayout.h"
#include "control/AboutProperty.h"
#include "platform/ansi.h"
#include "scribbet_names.h"
#include "tests/support/strict_gtest.h"
#include "tests/wine/driver_support.h"

using Microsoft::WRL::ComPtr;
using driver::Eventually;
using driver::TextOf;

namespace {

std::string gRecordFile, gShotFile;
constexpr char kFrameCaption[] = "Scribbet";
constexpr char kSurfaceClass[] = "Scribbet.AboutProperty";
constexpr int kApplyButton = 0x3021;  // the property sheet's Apply Now button
constexpr COLORREF kLogoGreen = RGB(0, 96, 48);
// Fewer pixels than these of each colour means the part is not shown.
constexpr int kEnoughHighlightPixels = 50, kEnoughFacePixels = 10000, kEnoughLogoPixels = 1000;

std::string Ansi(const std::u16string& text) { return platform::ToAnsi(text); }

struct Found {
  std::string className;
  HWND window;
  bool visibleOnly;
};

BOOL CALLBACK FindByClass(HWND window, LPARAM param) {
  auto* found = reinterpret_cast<Found*>(param);
  if (driver::ClassOf(window) == found->className &&
      (!found->visibleOnly || ::IsWindowVisible(window))) {
    found->window = window;
    return FALSE;
  }
  return TRUE;
}

HWND FindChild(HWND parent, const char* className) {
  Found found{className, nullptr, false};
  ::EnumChildWindows(parent, FindByClass, reinterpret_cast<LPARAM>(&found));
  return found.window;
}

HWND FindFrame(DWORD thread) {
  Found found{"#32770", nullptr, true};
  ::EnumThreadWindows(thread, FindByClass, reinterpret_cast<LPARAM>(&found));
  return found.window && TextOf(found.window).find(kFrameCaption) != std::string::npos
             ? found.window
             : nullptr;
}

// Pixels of the colour inside the window's area on the screen.
int CountPixels(HWND window, COLORREF colour) {
  RECT r;
  ::GetWindowRect(window, &r);
  return driver::PixelsOnScreen(r, colour);
}

// What the watching thread saw of the frame, checked on the test's thread.
struct Seen {
  bool frameShown = false;
  std::string tabCaption;
  int tabCount = 0;
  bool applyExists = false, applyEnabled = false;
  PixelRect surface{}, given{};
  bool emailOnSecondLine = false;
  bool aboutTextSelected = true;
  std::map<int, std::string> texts;
  std::map<int, PixelRect> places;
  std::map<int, bool> tabStops;
  std::map<int, LONG> styles;
  int makerHighlightPixels = 0, aboutFacePixels = 0, logoGreenPixels = 0;
  std::vector<std::string> recorded;
  bool closed = false;
};

struct Watch {
  DWORD frameThread;
  Seen seen;
};

DWORD WINAPI WatchFrame(LPVOID param) {
  auto* watch = static_cast<Watch*>(param);
  Seen& seen = watch->seen;
  HWND frame = nullptr, surface = nullptr;
  seen.frameShown = Eventually([&] {
    frame = FindFrame(watch->frameThread);
    surface = frame ? FindChild(frame, kSurfaceClass) : nullptr;
    return surface != nullptr;
  });
  if (!seen.frameShown) return 0;

  if (HWND tabs = FindChild(frame, WC_TABCONTROLA)) {
    seen.tabCount = static_cast<int>(::SendMessageA(tabs, TCM_GETITEMCOUNT, 0, 0));
    char caption[128] = {};
    TCITEMA item{};
    item.mask = TCIF_TEXT;
    item.pszText = caption;
    item.cchTextMax = sizeof caption;
    ::SendMessageA(tabs, TCM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item));
    seen.tabCaption = caption;
  }
  if (HWND apply = ::GetDlgItem(frame, kApplyButton)) {
    seen.applyExists = true;
    seen.applyEnabled = ::IsWindowEnabled(apply);
  }
  RECT client;
  ::GetClientRect(surface, &client);
  seen.surface = {0, 0, client.right, client.bottom};
  ::GetClientRect(::GetParent(surface), &client);
  seen.given = {0, 0, client.right, client.bottom};
  // The maker's lines fit their box: the e-mail address is not wrapped
  // onto a third line the box is too low to show.
  const HWND maker = ::GetDlgItem(surface, scribbet::kMakerTextId);
  const std::string address = Ansi(scribbet::kMakerEmailAddress);
  const auto email = TextOf(maker).find(address);
  seen.emailOnSecondLine =
      email != std::string::npos &&
      ::SendMessageA(maker, EM_LINEFROMCHAR, email + address.size() - 1, 0) == 1;
  DWORD from = 0, to = 0;
  ::SendMessageA(::GetDlgItem(surface, scribbet::kAboutTextId), EM_GETSEL,
                 reinterpret_cast<WPARAM>(&from), reinterpret_cast<LPARAM>(&to));
  seen.aboutTextSelected = from != to;
  for (int id = scribbet::kAboutTextId; id <= scribbet::kMakerLogoImageId; ++id) {
    const HWND control = ::GetDlgItem(surface, id);
    if (!control) continue;
    seen.texts[id] = TextOf(control);
    seen.places[id] = driver::PlaceInParent(control);
    seen.styles[id] = ::GetWindowLongA(control, GWL_STYLE);
  }
  // What a person sees: the maker's lines in the highlight colour, the about
  // box on the button face (its lower part holds no text), the logo's badge.
  // The frame's thread paints in its own time, and on a busy machine the
  // surface exists well before it is painted: the screen is read until all
  // three show or patience runs out.
  Eventually([&] {
    seen.makerHighlightPixels =
        CountPixels(::GetDlgItem(surface, scribbet::kMakerTextId), ::GetSysColor(COLOR_HIGHLIGHT));
    seen.aboutFacePixels =
        CountPixels(::GetDlgItem(surface, scribbet::kAboutTextId), ::GetSysColor(COLOR_BTNFACE));
    seen.logoGreenPixels =
        CountPixels(::GetDlgItem(surface, scribbet::kMakerLogoImageId), kLogoGreen);
    return seen.makerHighlightPixels > kEnoughHighlightPixels &&
           seen.aboutFacePixels > kEnoughFacePixels && seen.logoGreenPixels > kEnoughLogoPixels;
  });
  driver::Photograph(gShotFile);

  ::PostMessageA(::GetDlgItem(surface, scribbet::kVisitCorvennaCommandId), BM_CLICK, 0, 0);
  Eventually([] { return !driver::Recorded(gRecordFile).empty(); });
  seen.recorded = driver::Recorded(gRecordFile);

  ::PostMessageA(frame, PSM_PRESSBUTTON, PSBTN_OK, 0);
  seen.closed = Eventually([&] { return !::IsWindow(frame); });
  return 0;
}

class AboutPageTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(::OleInitialize(nullptr), S_OK);
    ASSERT_EQ(::CoCreateInstance(CLSID_Scribbet, nullptr, CLSCTX_INPROC_SERVER, IID_IUnknown,
                                 reinterpret_cast<void**>(control.GetAddressOf())),
              S_OK)
        << "the control is not registered";
  }
  void TearDown() override {
    control.Reset();
    ::OleUninitialize();
  }

  // The pages the control lists, as a form designer asks for them.
  std::vector<CLSID> Pages() {
    ComPtr<ISpecifyPropertyPages> specify;
    EXPECT_EQ(control.As(&specify), S_OK);
    CAUUID pages{};
    EXPECT_EQ(specify->GetPages(&pages), S_OK);
    std::vector<CLSID> list(pages.pElems, pages.pElems + pages.cElems);
    ::CoTaskMemFree(pages.pElems);
    return list;
  }

  ComPtr<IUnknown> control;
};

}  // namespace

TEST_F(AboutPageTest, TheControlListsTheAboutPageWhosePageInfoGivesCaptionAndSize) {
  const std::vector<CLSID> pages = Pages();
  ASSERT_EQ(pages.size(), 1u);
  EXPECT_TRUE(pages[0] == CLSID_AboutProperty);

  ComPtr<IPropertyPage> page;
  ASSERT_EQ(::CoCreateInstance(pages[0], nullptr, CLSCTX_INPROC_SERVER, IID_IPropertyPage,
                               reinterpret_cast<void**>(page.GetAddressOf())),
            S_OK);
  PROPPAGEINFO info{};
  ASSERT_EQ(page->GetPageInfo(&info), S_OK);
  EXPECT_STREQ(info.pszTitle, L"About ...");
  EXPECT_EQ(info.size.cx, 320);
  EXPECT_EQ(info.size.cy, 280);
  EXPECT_EQ(info.pszHelpFile, nullptr);
  ::CoTaskMemFree(info.pszTitle);
  // Nothing on the page changes the control: never dirty, nothing to apply.
  EXPECT_EQ(page->IsPageDirty(), S_FALSE);
  EXPECT_EQ(page->Apply(), S_OK);
}

TEST_F(AboutPageTest, DrivenDirectlyThePageStaysCleanThroughActivateShowAndDeactivate) {
  // Wine's frame never asks IsPageDirty or calls Move; a form designer does.
  ComPtr<IPropertyPage> page;
  ASSERT_EQ(::CoCreateInstance(CLSID_AboutProperty, nullptr, CLSCTX_INPROC_SERVER,
                               IID_IPropertyPage, reinterpret_cast<void**>(page.GetAddressOf())),
            S_OK);
  const HWND host = ::CreateWindowExA(0, "STATIC", "host", WS_OVERLAPPED, 0, 0, 400, 400,
                                      nullptr, nullptr, nullptr, nullptr);
  ASSERT_NE(host, nullptr);
  IUnknown* objects[] = {control.Get()};
  EXPECT_EQ(page->SetObjects(1, objects), S_OK);
  const RECT place{4, 4, 324, 284};
  ASSERT_EQ(page->Activate(host, &place, TRUE), S_OK);
  const HWND shown = FindChild(host, kSurfaceClass);
  ASSERT_NE(shown, nullptr);
  EXPECT_FALSE(::GetWindowLongA(shown, GWL_STYLE) & WS_VISIBLE) << "shown before asked";
  EXPECT_EQ(page->Show(SW_SHOW), S_OK);
  EXPECT_TRUE(::GetWindowLongA(shown, GWL_STYLE) & WS_VISIBLE);
  const RECT moved{10, 20, 330, 300};
  EXPECT_EQ(page->Move(&moved), S_OK);
  EXPECT_EQ(driver::PlaceInParent(shown), (PixelRect{10, 20, 320, 280}));
  EXPECT_EQ(page->IsPageDirty(), S_FALSE);
  EXPECT_EQ(page->Deactivate(), S_OK);
  EXPECT_FALSE(::IsWindow(shown));
  ::DestroyWindow(host);
}

TEST_F(AboutPageTest, TheFrameShowsThePageAndItsButtonReachesTheUrlHandler) {
  std::vector<CLSID> pages = Pages();
  ASSERT_EQ(pages.size(), 1u);
  Watch watch{::GetCurrentThreadId(), {}};
  HANDLE watcher = ::CreateThread(nullptr, 0, WatchFrame, &watch, 0, nullptr);
  ASSERT_NE(watcher, nullptr);
  IUnknown* objects[] = {control.Get()};
  const HRESULT shown =
      ::OleCreatePropertyFrame(nullptr, 40, 40, L"Scribbet", 1, objects, 1, pages.data(),
                               LOCALE_USER_DEFAULT, 0, nullptr);
  ::WaitForSingleObject(watcher, INFINITE);
  ::CloseHandle(watcher);
  EXPECT_EQ(shown, S_OK);

  const Seen& seen = watch.seen;
  ASSERT_TRUE(seen.frameShown) << "no frame with the page's surface appeared";
  EXPECT_EQ(seen.tabCount, 1);
  EXPECT_EQ(seen.tabCaption, "About ...");
  if (seen.applyExists) {
    EXPECT_FALSE(seen.applyEnabled) << "Apply with nothing to apply";
  }
  const int dpi = driver::ScreenDpi();
  // Wine's frame activates the page with its dialog's size from GetPageInfo
  // through the system font's dialog units, larger than asked, and only then
  // fits the dialog to the sheet; the surface covers the dialog either way,
  // and the design fits inside what is left.
  EXPECT_GE(seen.surface.width, seen.given.width) << "the page does not cover its place";
  EXPECT_GE(seen.surface.height, seen.given.height) << "the page does not cover its place";
  EXPECT_GE(seen.given.width, scribbet::AboutPageSize(dpi).width);
  EXPECT_GE(seen.given.height, scribbet::AboutPageSize(dpi).height);
  EXPECT_TRUE(seen.emailOnSecondLine) << "the maker's lines do not fit their box";
  EXPECT_FALSE(seen.aboutTextSelected) << "the About text shows as selected";

  const std::map<int, TwipsRect> design = {
      {scribbet::kAboutTextId, scribbet::kAboutTextPlace},
      {scribbet::kVisitCorvennaCommandId, scribbet::kVisitCorvennaCommandPlace},
      {scribbet::kMakerTextId, scribbet::kMakerTextPlace},
      {scribbet::kMakerLogoImageId, scribbet::kMakerLogoImagePlace},
  };
  for (const auto& [id, place] : design) {
    SCOPED_TRACE(id);
    ASSERT_TRUE(seen.places.count(id)) << "control missing";
    EXPECT_EQ(seen.places.at(id), ToPixels(place, dpi));
  }
  EXPECT_EQ(seen.texts.at(scribbet::kAboutTextId), Ansi(scribbet::AboutText()));
  EXPECT_EQ(seen.texts.at(scribbet::kVisitCorvennaCommandId),
            "&Visit " SCRIBBET_MAKER_SHORT_NAME " Online");
  EXPECT_EQ(seen.texts.at(scribbet::kMakerTextId), Ansi(scribbet::MakerContactLines()));
  EXPECT_TRUE(seen.styles.at(scribbet::kAboutTextId) & WS_VSCROLL);
  EXPECT_TRUE(seen.styles.at(scribbet::kAboutTextId) & ES_MULTILINE);
  EXPECT_TRUE(seen.styles.at(scribbet::kMakerTextId) & ES_MULTILINE);
  EXPECT_FALSE(seen.styles.at(scribbet::kMakerLogoImageId) & WS_TABSTOP);

  EXPECT_GT(seen.makerHighlightPixels, kEnoughHighlightPixels)
      << "the maker's lines are not in the highlight colour";
  EXPECT_GT(seen.aboutFacePixels, kEnoughFacePixels) << "the About text is not on the button face";
  EXPECT_GT(seen.logoGreenPixels, kEnoughLogoPixels) << "no logo";

  EXPECT_EQ(seen.recorded, (std::vector<std::string>{"http://www.corvenna.example/"}));
  EXPECT_TRUE(seen.closed);
}

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  if (argc < 3) {
    std::fprintf(stderr, "usage: about_driver RECORD-FILE SHOT-FILE\n");
    return 2;
  }
  gRecordFile = argv[1];
  gShotFile = argv[2];
  return testing_support::RunAllTestsStrictly();
}
