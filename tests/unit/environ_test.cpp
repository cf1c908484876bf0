// clsEnviron: the system directory with exactly one trailing separator, and
// its two text helpers, on the simulated machine and under Wine.
#include <gtest/gtest.h>

#include "launcher/clsEnviron.h"
#include "platform/ansi.h"
#include "platform/errors.h"
#include "platform/sysinfo.h"
#include "tests/support/environ_access.h"
#include "tests/support/machine.h"
#include "platform/sim/control.h"

using namespace testing_support;

namespace {

using wayfinch::clsEnviron;
using wayfinch::clsEnvironAccess;

class EnvironTest : public ::testing::Test {
 protected:
  void SetUp() override { ResetMachine(); }
};

// The directory the launcher makes of a system directory the machine reports.
inline std::u16string Sys(const std::string& directory) {
  platform::sim::SetSystemDirectory(directory);
  return clsEnviron().GetWindowsSysDir();
}

}  // namespace

TEST_F(EnvironTest, SystemDirectoryEndsInExactlyOneSeparator) {
  std::string expected(300, '\0');
  expected.resize(platform::GetSystemDirectoryA(expected.data(), 300));
  ASSERT_FALSE(expected.empty());
  const std::u16string directory = clsEnviron().GetWindowsSysDir();
  // Nothing of the 255-character buffer is left behind the separator.
  EXPECT_EQ(directory, platform::FromAnsi(expected) + u"\\");
}

SIMULATED_TEST_F(EnvironTest, DirectoryQueriesThatFailOrDoNotFit) {
  EXPECT_EQ(Sys("C:\\WINNT\\System32"), u"C:\\WINNT\\System32\\");
  // A directory at the root already ends in its separator.
  EXPECT_EQ(Sys("C:\\"), u"C:\\");
  // 254 characters and the zero fill the buffer of 255 exactly.
  const std::string fits = "C:\\" + std::string(251, 'd');
  EXPECT_EQ(Sys(fits), Widen(fits) + u"\\");
  // One more and the call leaves the blanks alone: a lone separator.
  EXPECT_EQ(Sys(fits + "d"), u"\\");
  platform::sim::FailFunction("GetSystemDirectoryA", ERROR_INVALID_FUNCTION);
  EXPECT_EQ(clsEnviron().GetWindowsSysDir(), u"");
}

SIMULATED_TEST_F(EnvironTest, DoubleByteDirectoryIsJudgedByCharactersNotBytes) {
  // In code page 932 the second byte of U+8868 is 0x5C, the byte of "\".
  platform::sim::SetAnsiCodePage(932);
  EXPECT_EQ(Sys("C:\\\x95\x5C"), u"C:\\\u8868\\");
}

TEST_F(EnvironTest, AddBackslashLooksAtTheTrimmedTextAndAppendsAfterTheRightTrim) {
  const std::pair<std::u16string, std::u16string> cases[] = {
      {u"C:\\dir", u"C:\\dir\\"},
      {u"C:\\", u"C:\\"},
      {u"D:/dir/", u"D:/dir/"},
      {u"C:\\dir   ", u"C:\\dir\\"},
      {u"  C:\\dir", u"  C:\\dir\\"},
      {u"C:\\dir\\  ", u"C:\\dir\\  "},
      {u"", u"\\"},
      {u"    ", u"\\"},
      // Only U+0020 is a blank: a tab is part of the path.
      {u"C:\\dir\t", u"C:\\dir\t\\"},
      {u"\tC:\\dir\\", u"\tC:\\dir\\"},
  };
  for (const auto& [path, expected] : cases)
    EXPECT_EQ(clsEnvironAccess::AddBackslash(path), expected) << Narrow(path);
}

TEST_F(EnvironTest, StripNullCutsAtTheFirstNul) {
  using namespace std::string_literals;
  EXPECT_EQ(clsEnvironAccess::StripNull(u"abc"), u"abc");
  EXPECT_EQ(clsEnvironAccess::StripNull(u"\0abc"s), u"");
  EXPECT_EQ(clsEnvironAccess::StripNull(u"ab\0cd\0"s), u"ab");
  EXPECT_EQ(clsEnvironAccess::StripNull(u""), u"");
}

TEST_F(EnvironTest, StripNullPositionPast32767IsAnOverflow) {
  std::u16string text(40000, u'x');
  text[32766] = u'\0';  // position 32767 still fits
  EXPECT_EQ(clsEnvironAccess::StripNull(text).size(), 32766u);
  text[32766] = u'x';
  text[32767] = u'\0';  // position 32768 does not
  try {
    clsEnvironAccess::StripNull(text);
    ADD_FAILURE() << "no error";
  } catch (const platform::RuntimeError& error) {
    EXPECT_EQ(error.number(), platform::ErrorNumber::Overflow);
  }
}
