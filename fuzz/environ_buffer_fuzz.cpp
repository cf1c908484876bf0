// clsEnviron's buffers: the system directory as any bytes the system may
// put into the 255-byte buffer (NULs, no terminator within it, bytes a
// double-byte page does not define), and its two helpers on any text,
// hundreds of thousands of characters long too.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <string>

#include "fuzz/fuzz_checks.h"
#include "launcher/clsEnviron.h"
#include "platform/ansi.h"
#include "platform/errors.h"
#include "platform/sim/control.h"
#include "tests/support/environ_access.h"

using fuzzing::Require;
using wayfinch::clsEnvironAccess;

namespace {

constexpr unsigned kCodePages[] = {1252, 1251, 932, 936};
constexpr std::size_t kBufferSize = 255;
constexpr std::size_t kMostRepeats = 8192;

bool IsSeparator(char16_t c) { return c == u'\\' || c == u'/'; }

// The path with one separator at its end: unchanged when, blanks trimmed on
// the right, it already ends in one, else trimmed on the right and given one.
std::u16string WithSeparator(const std::u16string& path) {
  const auto last = path.find_last_not_of(u' ');
  if (last != std::u16string::npos && IsSeparator(path[last])) return path;
  return path.substr(0, last == std::u16string::npos ? 0 : last + 1) + u'\\';
}

void SystemDirectory(FuzzedDataProvider& input) {
  const bool fail = input.ConsumeIntegralInRange(0, 15) == 0;
  const std::string directory = input.ConsumeRandomLengthString(2 * kBufferSize);
  platform::sim::SetSystemDirectory(directory);
  platform::sim::FailFunction("GetSystemDirectoryA", fail ? ERROR_INVALID_FUNCTION : 0);
  const std::u16string result = wayfinch::clsEnviron().GetWindowsSysDir();
  if (fail || directory.empty()) {
    // A length of 0 is how the call says it failed.
    Require(result.empty(), "a failed query gives the empty text");
  } else if (directory.size() + 1 > kBufferSize) {
    // The call leaves the buffer of blanks untouched.
    Require(result == u"\\", "a directory too long for the buffer gives a lone separator");
  } else {
    const std::u16string text = platform::FromAnsi(directory.substr(0, directory.find('\0')));
    Require(result == WithSeparator(text), "the directory with one separator at its end");
  }
}

void StripNull(FuzzedDataProvider& input) {
  const std::size_t repeats = input.ConsumeIntegralInRange<std::size_t>(1, kMostRepeats);
  const std::string pattern = input.ConsumeRandomLengthString(64);
  std::u16string text;
  for (std::size_t i = 0; i < repeats; ++i)
    for (std::size_t j = 0; j + 1 < pattern.size(); j += 2)
      text += static_cast<char16_t>(static_cast<unsigned char>(pattern[j]) |
                                    static_cast<unsigned char>(pattern[j + 1]) << 8);
  const auto nul = text.find(u'\0');
  try {
    const std::u16string result = clsEnvironAccess::StripNull(text);
    Require(nul == std::u16string::npos ? result == text : result == text.substr(0, nul),
            "the text up to its first NUL");
    Require(nul == std::u16string::npos || nul < 32767, "a NUL past 32767 is an overflow");
  } catch (const platform::RuntimeError& error) {
    Require(error.number() == platform::ErrorNumber::Overflow && nul != std::u16string::npos &&
                nul >= 32767,
            "only a NUL past 32767 raises, as an overflow");
  }
}

void AddBackslash(FuzzedDataProvider& input) {
  std::u16string path;
  while (input.remaining_bytes() >= 2) {
    // Blanks and separators often, so the trimming is exercised.
    const auto unit = input.ConsumeIntegral<std::uint16_t>();
    path += (unit & 3) == 0 ? u' ' : (unit & 3) == 1 ? (unit & 4 ? u'\\' : u'/')
                                                     : static_cast<char16_t>(unit >> 2);
  }
  Require(clsEnvironAccess::AddBackslash(path) == WithSeparator(path),
          "AddBackslash appends one separator after the right-trimmed path");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider input(data, size);
  platform::sim::Reset();
  platform::sim::SetAnsiCodePage(input.PickValueInArray(kCodePages));
  switch (input.ConsumeIntegralInRange(0, 2)) {
    case 0: SystemDirectory(input); break;
    case 1: StripNull(input); break;
    default: AddBackslash(input); break;
  }
  fuzzing::RequireNothingOpen();
  return 0;
}
