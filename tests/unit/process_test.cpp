// Starting a command line and the program's folder, as the launcher and the
// About page rely on them.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "platform/ansi.h"
#include "platform/errors.h"
#include "platform/process.h"
#include "platform/whole_text.h"
#include "tests/support/machine.h"
#ifdef _WIN32
#include <windows.h>
#endif

using namespace testing_support;

namespace {

class ProcessTest : public ::testing::Test {
 protected:
  void SetUp() override { ResetMachine(); }
  void TearDown() override {
    if constexpr (kSimulated) {
      EXPECT_EQ(platform::sim::OpenKernelHandles(), 0) << "a process handle was left open";
    }
  }
};

// The folder of a program the simulated machine runs from that file.
inline std::u16string FolderOf(const std::string& program) {
  platform::sim::SetModuleFileName(program);
  return platform::ProgramFolder();
}

}  // namespace

TEST_F(ProcessTest, ProgramFolderHasNoSeparatorExceptAtADriveRoot) {
#ifdef _WIN32
  // This very program lives there.
  const std::u16string folder = platform::ProgramFolder();
  ASSERT_GE(folder.size(), 3u);
  const std::string self = platform::ToAnsi(folder + u"\\unit_tests.exe");
  EXPECT_NE(::GetFileAttributesA(self.c_str()), INVALID_FILE_ATTRIBUTES) << self;
  EXPECT_NE(folder.back(), u'\\');
#else
  const std::string deep = "C:\\" + std::string(600, 'f');  // longer than MAX_PATH
  const struct {
    std::string program;
    std::u16string folder;
  } rows[] = {
      {"C:\\Tools\\Wayfinch.exe", u"C:\\Tools"},
      {"X:\\Wayfinch.exe", u"X:\\"},
      {"C:\\Program Files\\Way Finch\\Wayfinch.exe", u"C:\\Program Files\\Way Finch"},
      {"\\\\server\\share\\Wayfinch.exe", u"\\\\server\\share"},
      {deep + "\\Wayfinch.exe", Widen(deep)},
      // No folder at all: none, never the file's own name.
      {"Wayfinch.exe", u""},
  };
  for (const auto& row : rows)
    EXPECT_EQ(FolderOf(row.program), row.folder) << row.program.substr(0, 40);
#endif
}

SIMULATED_TEST_F(ProcessTest, ProgramFolderIsCutAtCharactersNotBytes) {
  // In code page 932 the second byte of U+8868 is 0x5C, the byte of "\".
  platform::sim::SetAnsiCodePage(932);
  EXPECT_EQ(FolderOf("C:\\Tools\\\x95\x5C.exe"), u"C:\\Tools");
}

TEST_F(ProcessTest, ShellStartsWithTheShowModeAndDoesNotWait) {
#ifdef _WIN32
  // A real start: the program exists and runs on by itself.
  EXPECT_NO_THROW(platform::Shell(u"cmd.exe /c exit 0", 2));
#else
  platform::Shell(u"C:\\WINNT\\System32\\rundll32.exe x,y C:\\a b\\c", 2);
  const auto starts = platform::sim::ProcessStarts();
  ASSERT_EQ(starts.size(), 1u);
  EXPECT_EQ(starts[0].commandLine, "C:\\WINNT\\System32\\rundll32.exe x,y C:\\a b\\c");
  EXPECT_FALSE(starts[0].hasApplicationName);
  EXPECT_EQ(starts[0].flags, STARTF_USESHOWWINDOW);
  EXPECT_EQ(starts[0].showWindow, 2);
#endif
}

TEST_F(ProcessTest, ProgramThatCannotStartIsAnErrorNamingIt) {
  if constexpr (kSimulated) platform::sim::FailFunction("CreateProcessA", ERROR_FILE_NOT_FOUND);
  try {
    platform::Shell(u"C:\\no such folder\\nothing.exe now", 2);
    ADD_FAILURE() << "no error";
  } catch (const platform::RuntimeError& error) {
    EXPECT_EQ(error.number(), platform::ErrorNumber::FileNotFound);
    EXPECT_NE(std::string(error.what()).find("nothing.exe now"), std::string::npos);
  }
}

TEST(ReadWholeText, PathsOfMaxPathCharactersAndLongerComeBackWhole) {
  // A stand-in for GetModuleFileName: it writes as much of the path as fits
  // and returns the buffer's size when it had to cut, with no terminator.
  for (std::size_t length : {std::size_t{1}, std::size_t{MAX_PATH} - 1, std::size_t{MAX_PATH},
                             std::size_t{MAX_PATH} + 1, std::size_t{3} * MAX_PATH}) {
    SCOPED_TRACE(length);
    std::wstring path(length, L'p');
    path.back() = L'e';  // a cut path loses this last letter
    const auto read = platform::ReadWholeText<wchar_t>([&](wchar_t* buffer, DWORD size) {
      const std::size_t written = std::min<std::size_t>(path.size(), size);
      std::copy_n(path.begin(), written, buffer);
      if (written < size) buffer[written] = L'\0';
      return static_cast<DWORD>(written);
    });
    ASSERT_TRUE(read);
    EXPECT_EQ(*read, path);
  }
  // A call that fails gives nothing rather than an empty path.
  EXPECT_FALSE(platform::ReadWholeText<char>([](char*, DWORD) { return DWORD{0}; }));
}
