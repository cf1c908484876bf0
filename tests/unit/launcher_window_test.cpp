// The launcher window driven through its controls: on the simulated machine
// every start and message box is recorded; under Wine the window is real and
// only what needs no recorded start runs (Wine's own starts are checked end
// to end in tests/wine).
#include <gtest/gtest.h>

#include "tests/support/windows.h"

#include <memory>

#include "launcher/frmWayfinch.h"
#include "platform/ui.h"
#include "scribbet_names.h"
#include "tests/support/machine.h"
#ifdef _WIN32
#include <windows.h>
#endif

namespace sim = platform::sim;

using namespace testing_support;
using wayfinch::frmWayfinch;

namespace {

using testing_support::ThisProgram;
using testing_support::WindowText;

class LauncherWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetMachine();
    form = std::make_unique<frmWayfinch>(ThisProgram());
  }
  void TearDown() override {
    form.reset();
    testing_support::ExpectNothingLeftOpen("form");
  }

  HWND Control(wayfinch::ControlId id) const { return form->Control(id); }
  void Click(wayfinch::ControlId id) { platform::SendMessageA(Control(id), BM_CLICK, 0, 0); }
  bool Checked(wayfinch::ControlId id) const {
    return platform::SendMessageA(Control(id), BM_GETCHECK, 0, 0) == BST_CHECKED;
  }

  std::unique_ptr<frmWayfinch> form;
};

constexpr char kWebCommand[] =
    "\"C:\\WINNT\\System32\\rundll32.exe\" url.dll,FileProtocolHandler www.corvenna.example";
constexpr char kHelpCommand[] =
    "\"C:\\WINNT\\System32\\rundll32.exe\" url.dll,FileProtocolHandler C:\\Tools\\help.htm";

}  // namespace

TEST_F(LauncherWindowTest, AtLoadTheCaptionsAreSetAndTheSiteOptionIsSelected) {
  EXPECT_EQ(WindowText(form->Window()), "Scribbet Info ...");
  EXPECT_EQ(WindowText(Control(wayfinch::kVisitCorvennaOptionId)),
            "Visit " SCRIBBET_MAKER " Online");
  EXPECT_EQ(WindowText(Control(wayfinch::kViewHelpOptionId)), "View Scribbet HTML Documentation");
  EXPECT_EQ(WindowText(Control(wayfinch::kCmdGoId)), "&Go!");
  EXPECT_EQ(WindowText(Control(wayfinch::kCmdExitId)), "&Exit");
  EXPECT_EQ(WindowText(Control(wayfinch::kOptionFrameId)), "");
  EXPECT_TRUE(Checked(wayfinch::kVisitCorvennaOptionId));
  EXPECT_FALSE(Checked(wayfinch::kViewHelpOptionId));
  EXPECT_EQ(wayfinch::OptionValue(Control(wayfinch::kVisitCorvennaOptionId)), -1);
  EXPECT_EQ(wayfinch::OptionValue(Control(wayfinch::kViewHelpOptionId)), 0);
}

TEST_F(LauncherWindowTest, SelectingOneOptionClearsTheOther) {
  Click(wayfinch::kViewHelpOptionId);
  EXPECT_TRUE(Checked(wayfinch::kViewHelpOptionId));
  EXPECT_FALSE(Checked(wayfinch::kVisitCorvennaOptionId));
  Click(wayfinch::kVisitCorvennaOptionId);
  EXPECT_FALSE(Checked(wayfinch::kViewHelpOptionId));
  EXPECT_TRUE(Checked(wayfinch::kVisitCorvennaOptionId));
}

TEST_F(LauncherWindowTest, ExitAndTheCloseBoxUnloadTheWindowAndEndTheProgram) {
  const HWND window = form->Window();
  Click(wayfinch::kCmdExitId);
  EXPECT_FALSE(form->IsLoaded());
  EXPECT_FALSE(platform::IsWindow(window));
  if constexpr (kSimulated) {
    EXPECT_EQ(sim::QuitCode(), 0);
  }

  form = std::make_unique<frmWayfinch>(ThisProgram());
  const HWND second = form->Window();
  platform::SendMessageA(second, WM_CLOSE, 0, 0);
  EXPECT_FALSE(form->IsLoaded());
  EXPECT_FALSE(platform::IsWindow(second));
#ifdef _WIN32
  // Both ends posted a quit message to this thread; take them off again.
  MSG message;
  while (::PeekMessageA(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
  }
#endif
}

TEST_F(LauncherWindowTest, EnterAndEscapeCommandsPressNoButton) {
  // The dialog manager sends IDOK and IDCANCEL without a control; this
  // window has no default or cancel button, so nothing happens.
  platform::SendMessageA(form->Window(), WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
  platform::SendMessageA(form->Window(), WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
  EXPECT_TRUE(form->IsLoaded());
  EXPECT_TRUE(platform::IsWindow(form->Window()));
  if constexpr (kSimulated) {
    EXPECT_TRUE(sim::ProcessStarts().empty());
  }
}

SIMULATED_TEST_F(LauncherWindowTest, GoStartsTheCommandOfTheSelectedOption) {
  Click(wayfinch::kCmdGoId);
  Click(wayfinch::kViewHelpOptionId);
  Click(wayfinch::kCmdGoId);
  EXPECT_EQ(UrlHandlerStarts(), (std::vector<std::string>{kWebCommand, kHelpCommand}));
  EXPECT_TRUE(sim::MessageBoxes().empty());
  // The option stays as the user left it.
  EXPECT_TRUE(Checked(wayfinch::kViewHelpOptionId));

  // Only the site option is read: with neither selected, the documentation.
  platform::SendMessageA(Control(wayfinch::kViewHelpOptionId), BM_SETCHECK, BST_UNCHECKED, 0);
  Click(wayfinch::kCmdGoId);
  EXPECT_EQ(UrlHandlerStarts().back(), kHelpCommand);
}

SIMULATED_TEST_F(LauncherWindowTest, ProgramFolderIsPassedUnquotedAndUnchanged) {
  Click(wayfinch::kViewHelpOptionId);
  sim::SetModuleFileName("D:\\My Tools\\Way Finch\\Wayfinch.exe");
  Click(wayfinch::kCmdGoId);
  sim::SetModuleFileName("X:\\Wayfinch.exe");
  Click(wayfinch::kCmdGoId);
  const std::string handler = "\"C:\\WINNT\\System32\\rundll32.exe\" url.dll,FileProtocolHandler ";
  EXPECT_EQ(UrlHandlerStarts(), (std::vector<std::string>{handler + "D:\\My Tools\\Way Finch\\help.htm",
                                                  handler + "X:\\\\help.htm"}));
}

SIMULATED_TEST_F(LauncherWindowTest, SystemDirectoryIsLookedUpAtEveryClick) {
  Click(wayfinch::kCmdGoId);
  sim::SetSystemDirectory("E:\\Win\\Sys");
  Click(wayfinch::kCmdGoId);
  const auto started = UrlHandlerStarts();
  ASSERT_EQ(started.size(), 2u);
  EXPECT_EQ(started[1], "\"E:\\Win\\Sys\\rundll32.exe\" url.dll,FileProtocolHandler www.corvenna.example");
}

// The handler's path is quoted, so a blank in the system directory cannot
// make the system start another program; a directory the system cannot
// tell starts nothing and says so.
SIMULATED_TEST_F(LauncherWindowTest, TheHandlerPathIsQuotedAndAnUnknownDirectoryStartsNothing) {
  const struct {
    const char* systemDirectory;  // null: the query fails
    std::vector<std::string> started;
    std::size_t boxes;
  } rows[] = {
      {"C:\\WINNT\\System32", {kWebCommand}, 0},
      {"E:\\Windows NT\\System32",
       {"\"E:\\Windows NT\\System32\\rundll32.exe\" url.dll,FileProtocolHandler "
        "www.corvenna.example"},
       0},
      {nullptr, {}, 1},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.systemDirectory ? row.systemDirectory : "(unknown)");
    form.reset();
    sim::Reset();
    form = std::make_unique<frmWayfinch>(ThisProgram());
    if (row.systemDirectory) sim::SetSystemDirectory(row.systemDirectory);
    sim::FailFunction("GetSystemDirectoryA", row.systemDirectory ? 0 : ERROR_INVALID_FUNCTION);
    Click(wayfinch::kCmdGoId);
    EXPECT_EQ(UrlHandlerStarts(), row.started);
    const auto boxes = sim::MessageBoxes();
    ASSERT_EQ(boxes.size(), row.boxes);
    if (row.boxes) {
      EXPECT_EQ(boxes[0].caption, "Browser Error");
    }
    EXPECT_TRUE(form->IsLoaded());
  }
}

SIMULATED_TEST_F(LauncherWindowTest, FailedStartShowsBrowserErrorOnceAndTheNextClickTriesAgain) {
  sim::FailFunction("CreateProcessA", ERROR_FILE_NOT_FOUND);
  Click(wayfinch::kCmdGoId);
  auto boxes = sim::MessageBoxes();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].text,
            "I was unable to launch your default web browser.  Do you have a web browser "
            "installed and configured properly on this computer?");
  EXPECT_EQ(boxes[0].caption, "Browser Error");
  EXPECT_EQ(boxes[0].style, 48u);
  EXPECT_EQ(boxes[0].owner, form->Window());
  EXPECT_TRUE(form->IsLoaded());
  EXPECT_TRUE(Checked(wayfinch::kVisitCorvennaOptionId));

  // The documentation reports the same, and a later click starts again.
  Click(wayfinch::kViewHelpOptionId);
  Click(wayfinch::kCmdGoId);
  EXPECT_EQ(sim::MessageBoxes().size(), 2u);
  EXPECT_EQ(sim::MessageBoxes()[1].caption, "Browser Error");
  sim::HealFunction("CreateProcessA");
  Click(wayfinch::kCmdGoId);
  EXPECT_EQ(UrlHandlerStarts(), std::vector<std::string>{kHelpCommand});
  EXPECT_EQ(sim::MessageBoxes().size(), 2u);
}

SIMULATED_TEST_F(LauncherWindowTest, ErrorsBeforeTheStartEndInTheSameBox) {
  // The program's folder cannot be found: only the documentation needs it.
  sim::RemoveEntryPoint(PLATFORM_ENTRY_POINT(kKernel32, GetModuleFileNameA));
  Click(wayfinch::kCmdGoId);
  Click(wayfinch::kViewHelpOptionId);
  Click(wayfinch::kCmdGoId);
  EXPECT_EQ(UrlHandlerStarts(), std::vector<std::string>{kWebCommand});
  // Nor the system directory: both fail, and still the window stays.
  sim::RemoveEntryPoint(PLATFORM_ENTRY_POINT(kKernel32, GetSystemDirectoryA));
  Click(wayfinch::kCmdGoId);
  ASSERT_EQ(sim::MessageBoxes().size(), 2u);
  for (const auto& box : sim::MessageBoxes()) EXPECT_EQ(box.caption, "Browser Error");
  EXPECT_TRUE(form->IsLoaded());
}

SIMULATED_TEST_F(LauncherWindowTest, AnErrorInTheErrorBoxDoesNotLeaveTheWindowProcedure) {
  sim::FailFunction("CreateProcessA", ERROR_FILE_NOT_FOUND);
  sim::RemoveEntryPoint(PLATFORM_ENTRY_POINT(kUser32, MessageBoxA));
  EXPECT_NO_THROW(Click(wayfinch::kCmdGoId));
  EXPECT_TRUE(form->IsLoaded());
}
