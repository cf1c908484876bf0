// The About page's surface and handlers, driven through its controls: on the
// simulated machine every start is recorded and faults can be injected;
// under Wine the windows are real and the rest runs the same (the frame and
// Wine's own URL handler are checked end to end in tests/wine).
#include <gtest/gtest.h>

#include "tests/support/windows.h"

#include <memory>

#include "control/AboutPageLayout.h"
#include "control/AboutProperty.h"
#include "platform/errors.h"
#include "platform/handles.h"
#include "platform/ui.h"
#include "scribbet_names.h"
#include "tests/support/machine.h"
#ifdef _WIN32
#include <windows.h>
#endif

namespace sim = platform::sim;

using namespace testing_support;
using scribbet::AboutProperty;

namespace {

constexpr char kClassName[] = "Scribbet.AboutProperty";
constexpr PixelRect kFramePlace{6, 28, 320, 280};

using testing_support::ThisProgram;
using testing_support::WindowText;

bool ClassRegistered() {
#ifdef _WIN32
  WNDCLASSEXA info{};
  info.cbSize = sizeof info;
  return ::GetClassInfoExA(ThisProgram(), kClassName, &info) != FALSE;
#else
  return sim::IsClassRegistered(kClassName);
#endif
}

class AboutPropertyTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetMachine();
    // The property frame's side: a window for the page to live in.
    frame.reset(platform::CreateWindowExA(0, "STATIC", "frame", WS_OVERLAPPED, 0, 0, 400, 400,
                                          nullptr, nullptr, ThisProgram(), nullptr));
    ASSERT_TRUE(frame);
    page = std::make_unique<AboutProperty>(ThisProgram(), frame.get(), kFramePlace, Logo());
  }
  void TearDown() override {
    page.reset();
    EXPECT_FALSE(ClassRegistered()) << "the page's window class outlived it";
    frame.reset();
    testing_support::ExpectNothingLeftOpen("page");
  }

  static HBITMAP Logo() {
#ifdef _WIN32
    return nullptr;  // the real picture is the COM page's, checked end to end
#else
    return reinterpret_cast<HBITMAP>(ULONG_PTR(0x4B1D0));
#endif
  }

  HWND Control(scribbet::AboutControlId id) const { return page->Control(id); }
  void ClickVisit() {
    platform::SendMessageA(Control(scribbet::kVisitCorvennaCommandId), BM_CLICK, 0, 0);
  }

  platform::unique_hwnd frame;
  std::unique_ptr<AboutProperty> page;
};

constexpr char kAboutText[] =
    "Scribbet OCX v." SCRIBBET_SHORT_VERSION "\r\n"
    "Copyright (c) 1999-2001 " SCRIBBET_MAKER ". All rights reserved.\r\n"
    "\r\n"
    "Scribbet writes entries into the Application event log of Windows NT with one call, "
    "WriteEvent. The first time your program uses a source name, Scribbet registers it with "
    "its own message file, so the Event Viewer shows your messages in full. The control is "
    "invisible at run time and needs no set-up of its own.";

constexpr char kMakerText[] =
    "14 Rookery Lane, Eastwick, ME 04999, USA\r\n"
    "www.corvenna.example   info@corvenna.example\r\n";

// The command line for the site with the handler in this directory.
inline std::string VisitLine(const std::string& directory) {
  return "\"" + directory + "rundll32.exe\" url.dll,FileProtocolHandler www.corvenna.example";
}

}  // namespace

TEST_F(AboutPropertyTest, InitializeShowsTheAboutTextWithOneEmptyLineAndNoTrailingBreak) {
  const std::string text = WindowText(Control(scribbet::kAboutTextId));
  EXPECT_EQ(text, kAboutText);
  EXPECT_EQ(text.find("\r\n\r\n"), text.rfind("\r\n\r\n")) << "more than one empty line";
  EXPECT_EQ(text.find("\r\n\r\n\r\n"), std::string::npos);
  EXPECT_NE(text.back(), '\n');

  // A second run sets the same text again, not a second copy.
  page->PropertyPage_Initialize();
  EXPECT_EQ(WindowText(Control(scribbet::kAboutTextId)), kAboutText);
}

TEST_F(AboutPropertyTest, TheOtherControlsCarryTheirDesignedTexts) {
  EXPECT_EQ(WindowText(Control(scribbet::kVisitCorvennaCommandId)),
            "&Visit " SCRIBBET_MAKER_SHORT_NAME " Online");
  EXPECT_EQ(WindowText(Control(scribbet::kMakerTextId)), kMakerText);
  EXPECT_EQ(WindowText(Control(scribbet::kMakerLogoImageId)), "");
}

TEST_F(AboutPropertyTest, TextBoxesTakeTheButtonFaceAndMakerTextTheHighlight) {
  const HDC dc = platform::GetDC(page->Window());
  struct Case {
    scribbet::AboutControlId id;
    int textColour;
  };
  for (const Case c : {Case{scribbet::kAboutTextId, COLOR_WINDOWTEXT},
                       Case{scribbet::kMakerTextId, COLOR_HIGHLIGHT}}) {
    SCOPED_TRACE(c.id);
    // Read-only boxes ask for the static colours, editable ones for the
    // edit colours: the answer is the same either way.
    for (const UINT message : {WM_CTLCOLORSTATIC, WM_CTLCOLOREDIT}) {
      const LRESULT brush = platform::SendMessageA(page->Window(), message,
                                                   reinterpret_cast<WPARAM>(dc),
                                                   reinterpret_cast<LPARAM>(Control(c.id)));
      EXPECT_EQ(brush, reinterpret_cast<LRESULT>(platform::GetSysColorBrush(COLOR_BTNFACE)));
#ifdef _WIN32
      EXPECT_EQ(::GetTextColor(dc), platform::GetSysColor(c.textColour));
      EXPECT_EQ(::GetBkColor(dc), platform::GetSysColor(COLOR_BTNFACE));
#else
      EXPECT_EQ(sim::ColoursOf(dc), (sim::DcColours{platform::GetSysColor(c.textColour),
                                                    platform::GetSysColor(COLOR_BTNFACE)}));
#endif
    }
  }
  platform::ReleaseDC(page->Window(), dc);
}

TEST_F(AboutPropertyTest, TwoPagesShareTheClassUntilTheLastOneGoes) {
  auto second = std::make_unique<AboutProperty>(ThisProgram(), frame.get(), kFramePlace, Logo());
  page.reset();
  EXPECT_TRUE(ClassRegistered()) << "taken from under the second page";
  EXPECT_EQ(WindowText(second->Control(scribbet::kAboutTextId)), kAboutText);
  second.reset();
}

TEST_F(AboutPropertyTest, AFrameThatDestroysThePageFirstLeavesNothingToDestroyAgain) {
  const HWND surface = page->Window();
  frame.reset();
  EXPECT_FALSE(platform::IsWindow(surface));
  EXPECT_EQ(page->Window(), nullptr);
  page.reset();
}


SIMULATED_TEST_F(AboutPropertyTest, SurfaceAndControlsArePlacedFromTheDesignInKeyboardOrder) {
  const auto windows = sim::Windows();
  ASSERT_EQ(windows.size(), 6u);  // frame, surface, four controls
  const sim::Window& surface = windows[1];
  EXPECT_EQ(surface.className, kClassName);
  EXPECT_EQ(surface.parent, frame.get());
  EXPECT_EQ((PixelRect{surface.x, surface.y, surface.width, surface.height}), kFramePlace);
  EXPECT_FALSE(surface.visible) << "the frame shows the page when it is ready";
  EXPECT_TRUE(surface.style & WS_CHILD);
  EXPECT_TRUE(surface.exStyle & WS_EX_CONTROLPARENT) << "Tab and Alt+V would not reach in";

  struct Expected {
    scribbet::AboutControlId id;
    const char* className;
    PixelRect at96;
    bool tabStop;
  };
  // 15 twips to the pixel at 96 dots per inch.
  const Expected order[] = {
      {scribbet::kAboutTextId, "EDIT", {8, 8, 305, 161}, true},
      {scribbet::kVisitCorvennaCommandId, "BUTTON", {200, 192, 113, 33}, true},
      {scribbet::kMakerTextId, "EDIT", {8, 248, 256, 28}, true},
      {scribbet::kMakerLogoImageId, "STATIC", {8, 176, 182, 62}, false},
  };
  for (std::size_t i = 0; i < 4; ++i) {
    const sim::Window& w = windows[i + 2];
    SCOPED_TRACE(w.className);
    EXPECT_EQ(w.handle, Control(order[i].id));
    EXPECT_EQ(w.className, order[i].className);
    EXPECT_EQ(w.parent, page->Window());
    EXPECT_EQ((PixelRect{w.x, w.y, w.width, w.height}), order[i].at96);
    EXPECT_EQ((w.style & WS_TABSTOP) != 0, order[i].tabStop);
    EXPECT_TRUE(w.visible);
  }
  EXPECT_EQ(windows[5].width, scribbet::kMakerLogoWidth);
  EXPECT_EQ(windows[5].height, scribbet::kMakerLogoHeight);

  const DWORD aboutStyle = windows[2].style;
  EXPECT_TRUE(aboutStyle & ES_MULTILINE);
  EXPECT_TRUE(aboutStyle & WS_VSCROLL);
  EXPECT_TRUE(windows[4].style & ES_MULTILINE) << "MakerText holds two lines";
  EXPECT_EQ(windows[3].style & BS_TYPEMASK, BS_PUSHBUTTON) << "Enter must not press it";
  EXPECT_TRUE(windows[5].style & SS_BITMAP);
  EXPECT_EQ(windows[5].image, reinterpret_cast<HANDLE>(Logo()));
}

SIMULATED_TEST_F(AboutPropertyTest, AtAnotherResolutionThePageAndItsControlsScaleTogether) {
  page.reset();
  sim::SetScreen(1024, 768, 120);
  page = std::make_unique<AboutProperty>(ThisProgram(), frame.get(),
                                         scribbet::AboutPageSize(120), Logo());
  EXPECT_EQ(scribbet::AboutPageSize(120), (PixelRect{0, 0, 400, 350}));
  EXPECT_EQ(scribbet::AboutPageSize(96), (PixelRect{0, 0, 320, 280}));
  const auto windows = sim::Windows();
  const sim::Window& about = windows[2];
  EXPECT_EQ((PixelRect{about.x, about.y, about.width, about.height}),
            (PixelRect{10, 10, 381, 201}));  // 381.25 and 201.25 round down
}

SIMULATED_TEST_F(AboutPropertyTest, VisitStartsTheUrlHandlerFromTheWindowsDirectory) {
  ClickVisit();
  EXPECT_EQ(UrlHandlerStarts(), (std::vector<std::string>{VisitLine("C:\\WINNT\\system32\\")}));
}

// The handler's path is quoted: a blank in the Windows directory cannot make
// the system start another program. A root directory is passed on as it is
// (its separator doubled); one the system cannot tell gives the handler's
// path from the root of the current drive, which starts no search.
SIMULATED_TEST_F(AboutPropertyTest, TheHandlerPathIsQuotedAndAnUnknownDirectoryStartsFromTheRoot) {
  const struct {
    const char* windowsDirectory;  // null: the query fails
    std::vector<std::string> started;
  } rows[] = {
      {"C:\\WINNT", {VisitLine("C:\\WINNT\\system32\\")}},
      {"E:\\Windows NT", {VisitLine("E:\\Windows NT\\system32\\")}},
      {"D:\\", {VisitLine("D:\\\\system32\\")}},
      {nullptr, {VisitLine("\\system32\\")}},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.windowsDirectory ? row.windowsDirectory : "(unknown)");
    const auto before = sim::ProcessStarts().size();
    if (row.windowsDirectory) sim::SetWindowsDirectory(row.windowsDirectory);
    sim::FailFunction("GetWindowsDirectoryA", row.windowsDirectory ? 0 : ERROR_INVALID_FUNCTION);
    ClickVisit();
    const auto started = UrlHandlerStarts();
    EXPECT_EQ(std::vector<std::string>(started.begin() + before, started.end()), row.started);
  }
  EXPECT_TRUE(sim::MessageBoxes().empty());
}

SIMULATED_TEST_F(AboutPropertyTest, EveryClickStartsOneHandlerAndLooksTheDirectoryUpAfresh) {
  ClickVisit();
  ClickVisit();
  sim::SetWindowsDirectory("E:\\Windows NT");
  ClickVisit();
  EXPECT_EQ(UrlHandlerStarts(), (std::vector<std::string>{
                           VisitLine("C:\\WINNT\\system32\\"),
                           VisitLine("C:\\WINNT\\system32\\"),
                           VisitLine("E:\\Windows NT\\system32\\"),
                       }));
}

SIMULATED_TEST_F(AboutPropertyTest, AFailedStartEndsSilentlyAndTheNextClickTriesAgain) {
  sim::FailFunction("CreateProcessA", ERROR_FILE_NOT_FOUND);
  EXPECT_NO_THROW(page->VisitCorvennaCommand_Click());
  ClickVisit();
  EXPECT_TRUE(sim::ProcessStarts().empty());
  EXPECT_TRUE(sim::MessageBoxes().empty()) << "the page is only informing: no message";
  EXPECT_TRUE(platform::IsWindow(page->Window()));

  sim::HealFunction("CreateProcessA");
  ClickVisit();
  EXPECT_EQ(UrlHandlerStarts().size(), 1u);
}

SIMULATED_TEST_F(AboutPropertyTest, AFailureBeforeTheStartIsNotSwallowed) {
  // Only the start is trapped: a directory query that cannot even be made
  // reaches whoever called the handler, and no start is tried.
  sim::RemoveEntryPoint(PLATFORM_ENTRY_POINT(kKernel32, GetWindowsDirectoryA));
  EXPECT_THROW(page->VisitCorvennaCommand_Click(), platform::BindingError);
  // Through the window the error stops at the window procedure.
  EXPECT_NO_THROW(ClickVisit());
  EXPECT_TRUE(sim::ProcessStarts().empty());
  EXPECT_TRUE(sim::MessageBoxes().empty());
}

