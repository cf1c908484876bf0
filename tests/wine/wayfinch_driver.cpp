// Drives the real Wayfinch.exe from outside, as a user would, on the same
// Wine desktop: starts it from its installed folder, reads its window back
// with the window functions, photographs the desktop, clicks its buttons and
// reads what Wine's URL handler passed on to the browser (a recorder script).
//
//   wayfinch_driver MODE PROGRAM RECORD-FILE SHOT-FILE [gtest options]
//
// MODE "launch": the window and both Go actions, then Exit.
// MODE "failed-start": the URL handler cannot be started; Go shows the
// "Browser Error" box, twice, and the window stays.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "launcher/FormLayout.h"
#include "launcher/frmWayfinch.h"
#include "scribbet_names.h"
#include "tests/support/strict_gtest.h"
#include "tests/wine/driver_support.h"

namespace {

using driver::Eventually;
using driver::kPatience;
using driver::Photograph;
using driver::TextOf;

std::string gMode, gProgram, gRecordFile, gShotFile;

struct Search {
  DWORD process;
  const char* className;
  const char* title;  // or null for any
  HWND found;
};

BOOL CALLBACK MatchWindow(HWND window, LPARAM param) {
  auto* search = reinterpret_cast<Search*>(param);
  DWORD process = 0;
  ::GetWindowThreadProcessId(window, &process);
  char className[128] = {};
  ::GetClassNameA(window, className, sizeof className);
  if (process == search->process && std::string(className) == search->className &&
      (!search->title || TextOf(window) == search->title) && ::IsWindowVisible(window)) {
    search->found = window;
    return FALSE;
  }
  return TRUE;
}

HWND FindTopWindow(DWORD process, const char* className, const char* title = nullptr) {
  Search search{process, className, title, nullptr};
  ::EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

std::vector<std::string> Recorded() { return driver::Recorded(gRecordFile); }

// help.htm beside the program, as the URL handler writes it in a file URL:
// "C:\Program Files\Way Finch\Wayfinch.exe" gives
// "Program%20Files/Way%20Finch/help.htm".
std::string HelpBesideProgram() {
  const std::size_t start = gProgram.find(':') == 1 ? 3 : 0;
  const std::string folder = gProgram.substr(start, gProgram.rfind('\\') + 1 - start);
  std::string url;
  for (char c : folder) url += c == '\\' ? "/" : c == ' ' ? "%20" : std::string(1, c);
  return url + "help.htm";
}

class WayfinchProgram : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    std::string line = "\"" + gProgram + "\"";
    ASSERT_TRUE(::CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                                 nullptr, &startup, &started))
        << "cannot start " << gProgram;
    ASSERT_TRUE(Eventually([] {
      window = FindTopWindow(started.dwProcessId, "Wayfinch.frmWayfinch");
      return window != nullptr;
    })) << "the window never appeared";
  }
  static void TearDownTestSuite() {
    if (started.hProcess && ::WaitForSingleObject(started.hProcess, 0) == WAIT_TIMEOUT)
      ::TerminateProcess(started.hProcess, 99);
    ::CloseHandle(started.hProcess);
    ::CloseHandle(started.hThread);
  }

  static HWND Control(wayfinch::ControlId id) { return ::GetDlgItem(window, id); }
  // Posted, not sent: a click that opens a modal box would hold a sent one.
  static void Click(wayfinch::ControlId id) { ::PostMessageA(Control(id), BM_CLICK, 0, 0); }

  static PROCESS_INFORMATION started;
  static HWND window;
};

PROCESS_INFORMATION WayfinchProgram::started{};
HWND WayfinchProgram::window = nullptr;

using driver::PlaceInParent;
using driver::ScreenDpi;

}  // namespace

TEST_F(WayfinchProgram, WindowShowsCaptionSizeAndControlsAsDesigned) {
  EXPECT_EQ(TextOf(window), "Scribbet Info ...");
  const int dpi = ScreenDpi();
  RECT client;
  ::GetClientRect(window, &client);
  EXPECT_EQ(client.right, wayfinch::TwipsToPixels(4515, dpi));
  EXPECT_EQ(client.bottom, wayfinch::TwipsToPixels(2415, dpi));

  const LONG style = ::GetWindowLongA(window, GWL_STYLE);
  EXPECT_TRUE(style & WS_MINIMIZEBOX);
  EXPECT_TRUE(style & WS_SYSMENU);
  EXPECT_FALSE(style & WS_MAXIMIZEBOX);
  EXPECT_FALSE(style & WS_THICKFRAME);

  RECT frame;
  ::GetWindowRect(window, &frame);
  EXPECT_NEAR((frame.left + frame.right) / 2, ::GetSystemMetrics(SM_CXSCREEN) / 2, 1);
  EXPECT_NEAR((frame.top + frame.bottom) / 2, ::GetSystemMetrics(SM_CYSCREEN) / 2, 1);

  struct Expected {
    wayfinch::ControlId id;
    const char* caption;
    wayfinch::TwipsRect place;
    bool inFrame;
  };
  const Expected controls[] = {
      {wayfinch::kOptionFrameId, "", wayfinch::kOptionFrame, false},
      {wayfinch::kVisitCorvennaOptionId, "Visit " SCRIBBET_MAKER " Online",
       wayfinch::kVisitCorvennaOption, true},
      {wayfinch::kViewHelpOptionId, "View Scribbet HTML Documentation",
       wayfinch::kViewHelpOption, true},
      {wayfinch::kCmdGoId, "&Go!", wayfinch::kCmdGo, false},
      {wayfinch::kCmdExitId, "&Exit", wayfinch::kCmdExit, false},
  };
  for (const Expected& c : controls) {
    SCOPED_TRACE(c.caption);
    const HWND control = Control(c.id);
    ASSERT_NE(control, nullptr);
    EXPECT_EQ(TextOf(control), c.caption);
    const auto container = c.inFrame ? wayfinch::kOptionFrame : wayfinch::TwipsRect{0, 0, 0, 0};
    EXPECT_EQ(PlaceInParent(control), wayfinch::ToPixels(c.place, dpi, container));
  }
  EXPECT_EQ(::SendMessageA(Control(wayfinch::kVisitCorvennaOptionId), BM_GETCHECK, 0, 0),
            BST_CHECKED);
  EXPECT_EQ(::SendMessageA(Control(wayfinch::kViewHelpOptionId), BM_GETCHECK, 0, 0),
            BST_UNCHECKED);

  // The small icon in the title bar: the disc's dark green, drawn there
  // from the program's own resource (nothing else on the bar is that colour).
  // The program paints in its own time: the bar is read until the icon shows.
  const RECT iconCorner{frame.left, frame.top, frame.left + 40,
                        frame.top + ::GetSystemMetrics(SM_CYCAPTION) + 4};
  constexpr int kEnoughGreen = 40;
  int green = 0;
  driver::Eventually([&] {
    green = driver::PixelsOnScreen(iconCorner, RGB(0, 128, 0));
    return green >= kEnoughGreen;
  });
  EXPECT_GE(green, kEnoughGreen) << "no question-mark icon in the title bar";
  Photograph(gShotFile);
}

TEST_F(WayfinchProgram, ProgramFileCarriesBothIconImagesIn16Colours) {
  HMODULE file = ::LoadLibraryExA(gProgram.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  ASSERT_NE(file, nullptr);
  HRSRC group = ::FindResourceA(file, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(14));  // RT_GROUP_ICON
  ASSERT_NE(group, nullptr);
  const auto* bytes = static_cast<const BYTE*>(::LockResource(::LoadResource(file, group)));
  const WORD count = *reinterpret_cast<const WORD*>(bytes + 4);
  ASSERT_EQ(count, 2);
  // Each 14-byte entry: width, height, colour count, ..., bit count at 6.
  std::vector<std::pair<int, int>> images;
  for (int i = 0; i < count; ++i) {
    const BYTE* entry = bytes + 6 + 14 * i;
    images.push_back({entry[0], *reinterpret_cast<const WORD*>(entry + 6)});
  }
  EXPECT_EQ(images, (std::vector<std::pair<int, int>>{{32, 4}, {16, 4}}));
  ::FreeLibrary(file);
}

TEST_F(WayfinchProgram, GoOpensTheSiteThenTheDocumentationThroughTheUrlHandler) {
  Click(wayfinch::kCmdGoId);
  ASSERT_TRUE(Eventually([] { return Recorded().size() >= 1; })) << "no browser was started";
  EXPECT_EQ(Recorded()[0], "http://www.corvenna.example/");

  Click(wayfinch::kViewHelpOptionId);
  Click(wayfinch::kCmdGoId);
  ASSERT_TRUE(Eventually([] { return Recorded().size() >= 2; })) << "no browser was started";
  // The folder's blanks travelled unquoted and arrived whole.
  const std::string help = Recorded()[1];
  EXPECT_NE(help.find(HelpBesideProgram()), std::string::npos) << help;
  EXPECT_EQ(Recorded().size(), 2u);
}

TEST_F(WayfinchProgram, FailedStartShowsBrowserErrorAndTheWindowStays) {
  for (int attempt = 1; attempt <= 2; ++attempt) {
    SCOPED_TRACE(attempt);
    Click(wayfinch::kCmdGoId);
    HWND box = nullptr;
    ASSERT_TRUE(Eventually([&] {
      box = FindTopWindow(started.dwProcessId, "#32770", "Browser Error");
      return box != nullptr;
    })) << "no Browser Error box";
    std::string text;
    for (HWND child = ::GetWindow(box, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
      char className[64] = {};
      ::GetClassNameA(child, className, sizeof className);
      if (std::string(className) == "Static" && !TextOf(child).empty()) text = TextOf(child);
    }
    EXPECT_EQ(text,
              "I was unable to launch your default web browser.  Do you have a web browser "
              "installed and configured properly on this computer?");
    EXPECT_NE(::GetDlgItem(box, IDOK), nullptr);
    EXPECT_EQ(::GetDlgItem(box, IDCANCEL), nullptr) << "more than an OK button";
    if (attempt == 1) Photograph(gShotFile);
    ::PostMessageA(box, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(Eventually([&] { return !::IsWindow(box); }));
    EXPECT_TRUE(::IsWindowVisible(window));
  }
  EXPECT_TRUE(Recorded().empty());
}

TEST_F(WayfinchProgram, ExitEndsTheProgram) {
  Click(wayfinch::kCmdExitId);
  ASSERT_EQ(::WaitForSingleObject(started.hProcess, kPatience), WAIT_OBJECT_0);
  DWORD code = 99;
  ::GetExitCodeProcess(started.hProcess, &code);
  EXPECT_EQ(code, 0u);
}

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  if (argc < 5) {
    std::fprintf(stderr, "usage: wayfinch_driver MODE PROGRAM RECORD-FILE SHOT-FILE\n");
    return 2;
  }
  gMode = argv[1];
  // Each mode runs its own tests (a caller may narrow them further): the
  // failed start in its prefix without a URL handler, the rest in "launch".
  if (GTEST_FLAG_GET(filter) == "*")
    GTEST_FLAG_SET(filter, gMode == "failed-start" ? "*FailedStart*:*Exit*" : "-*FailedStart*");
  gProgram = argv[2];
  gRecordFile = argv[3];
  gShotFile = argv[4];
  return testing_support::RunAllTestsStrictly();
}
