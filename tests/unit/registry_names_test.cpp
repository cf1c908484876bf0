// Key names given to the ANSI functions in double-byte code pages reach the
// registry as Windows' do: converted to UTF-16 before the path is split at
// its backslashes, compared by Unicode's case rules, and held to 255
// characters, not bytes. Only the simulated machine can switch code pages
// within one run.
#include <gtest/gtest.h>

#include <string>

#include "platform/handles.h"
#include "platform/wide_text.h"
#include "tests/support/machine.h"

namespace {

struct NamesCase {
  const char* what;
  UINT codePage;
  std::string first, second;  // in the code page; second may be empty
  LONG status;                // of the last creation
  DWORD keys;                 // below the parent afterwards
  std::u16string wideName;    // the first key's name, when checked
};

std::string Times(const std::string& character, int count) {
  std::string text;
  for (int i = 0; i < count; ++i) text += character;
  return text;
}

const NamesCase kCases[] = {
    {"second byte 0x5C is no separator", 932, "\x83\x5C", "", ERROR_SUCCESS, 1, u"\u30BD"},
    {"second byte 0x5C is no separator", 936, "\x81\x5C", "", ERROR_SUCCESS, 1, u"\u4E57"},
    {"a second byte that is a letter is not folded", 932, "\x83\x41", "\x83\x61", ERROR_SUCCESS, 2, u"\u30A2"},
    {"a second byte that is a letter is not folded", 936, "\x81\x41", "\x81\x61", ERROR_SUCCESS, 2, u"\u4E04"},
    {"full-width capitals fold as Unicode says", 932, "\x82\x60", "\x82\x81", ERROR_SUCCESS, 1, u"\uFF21"},
    {"full-width capitals fold as Unicode says", 936, "\xA3\xC1", "\xA3\xE1", ERROR_SUCCESS, 1, u"\uFF21"},
    {"255 characters are 510 bytes", 932, Times("\x83\x41", 255), "", ERROR_SUCCESS, 1, {}},
    {"256 characters are too many", 936, Times("\x81\x41", 256), "", ERROR_INVALID_PARAMETER, 0, {}},
};

DWORD SubkeysOf(HKEY key) {
  std::u16string name(256, u'\0');
  for (DWORD count = 0;; ++count) {
    DWORD length = 256;
    if (platform::RegEnumKeyExW(key, count, platform::WideBuffer(name), &length, nullptr, nullptr,
                                nullptr, nullptr))
      return count;
  }
}

}  // namespace

SIMULATED_TEST(RegistryNames, AreUtf16ThroughTheAnsiFunctions) {
  for (const NamesCase& c : kCases) {
    SCOPED_TRACE(std::string(c.what) + ", code page " + std::to_string(c.codePage));
    testing_support::ResetMachine();
    platform::sim::SetAnsiCodePage(c.codePage);
    platform::unique_hkey parent;
    ASSERT_EQ(platform::RegCreateKeyExA(HKEY_LOCAL_MACHINE, "Software\\Names", 0, nullptr, 0,
                                        KEY_ALL_ACCESS, nullptr, parent.put(), nullptr),
              ERROR_SUCCESS);
    LONG status = ERROR_SUCCESS;
    for (const std::string& name : {c.first, c.second}) {
      if (name.empty()) continue;
      platform::unique_hkey key;
      status = platform::KeepIfOpened(
          key, platform::RegCreateKeyExA(parent.get(), name.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS,
                                         nullptr, key.put(), nullptr));
    }
    EXPECT_EQ(status, c.status);
    EXPECT_EQ(SubkeysOf(parent.get()), c.keys);
    if (!c.wideName.empty()) {
      platform::unique_hkey key;
      EXPECT_EQ(platform::KeepIfOpened(key, platform::RegOpenKeyExW(
                                             parent.get(), platform::WideArgument(c.wideName), 0,
                                             KEY_READ, key.put())),
                ERROR_SUCCESS);
    }
  }
  testing_support::ResetMachine();
}
