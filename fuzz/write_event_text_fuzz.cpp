// WriteEvent's message and source name as any UTF-16 at all (surrogates
// without partners, NULs, texts of hundreds of thousands of characters)
// under the code pages 1252, 1251, 932 and 936, on Windows before Vista and
// since. The entry is written exactly when the documented limits take the
// message; it carries the text as the code page converts it, and what comes
// back to the caller is the page's round trip, written or not, both as iconv
// makes them on its own.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstdint>
#include <string>

#include "control/Scribbet.h"
#include "fuzz/code_page_oracle.h"
#include "fuzz/fuzz_checks.h"
#include "fuzz/limits_oracle.h"
#include "platform/sim/control.h"

using fuzzing::Require;

namespace {

constexpr unsigned kCodePages[] = {1252, 1251, 932, 936};
constexpr std::size_t kLongestPattern = 64;
constexpr std::size_t kMostRepeats = 1024;

// A text of code units from the input; repeated to make a long one.
std::u16string Text(FuzzedDataProvider& input, std::size_t repeats) {
  const auto length = input.ConsumeIntegralInRange<std::size_t>(0, kLongestPattern);
  std::u16string pattern;
  for (std::size_t i = 0; i < length && input.remaining_bytes() >= 2; ++i)
    pattern += static_cast<char16_t>(input.ConsumeIntegral<std::uint16_t>());
  std::u16string text;
  for (std::size_t i = 0; i < repeats; ++i) text += pattern;
  return text;
}

bool Ascii(const std::u16string& text) {
  return std::all_of(text.begin(), text.end(), [](char16_t c) { return c < 0x80; });
}

// The text as the caller sees it after the call: plain ASCII is left alone,
// anything else is the page's round trip.
std::u16string Back(unsigned page, const std::u16string& text) {
  return Ascii(text) ? text : fuzzing::CodePageText(page, fuzzing::CodePageBytes(page, text));
}

// What a reader of a C string sees: up to the first zero byte.
std::string UpToZero(const std::string& bytes) { return bytes.substr(0, bytes.find('\0')); }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider input(data, size);
  platform::sim::Reset();
  const unsigned page = input.PickValueInArray(kCodePages);
  platform::sim::SetAnsiCodePage(page);
  const auto typeOfEvent = static_cast<std::int16_t>(input.ConsumeIntegralInRange(1, 3));
  const bool long_message = input.ConsumeBool();
  const std::u16string name = Text(input, 1);
  const std::u16string message =
      Text(input, long_message ? input.ConsumeIntegralInRange<std::size_t>(1, kMostRepeats) : 1);
  const fuzzing::WindowsVersion version = fuzzing::PickWindowsVersion(input);

  scribbet::Scribbet control;
  std::u16string messageArg = message, nameArg = name;
  std::int16_t type = typeOfEvent;
  const std::int16_t result = control.WriteEvent(messageArg, type, nameArg);

  // The message is counted as it comes back from the page, up to its first
  // zero; its data is the whole buffer.
  const std::string ansiMessage = fuzzing::CodePageBytes(page, message);
  const std::size_t characters = fuzzing::CodePageText(page, UpToZero(ansiMessage)).size();
  const std::size_t dataSize = std::max(message.size() + 1, ansiMessage.size() + 1);
  const bool fits = fuzzing::EntryFits(version, characters, dataSize);

  fuzzing::RequireNothingOpen();
  Require(result == (fits ? 1 : 0), "the result is not whether the limits take the entry");
  Require(type == (typeOfEvent == 3 ? 4 : typeOfEvent), "the type written back");
  const std::u16string source = name.empty() ? u"Scribbet" : name;
  Require(nameArg == Back(page, source), "the name written back is not the page's round trip");
  Require(messageArg == Back(page, message),
          "the message written back is not the page's round trip");

  const auto reports = platform::sim::Reports();
  Require(reports.size() == (fits ? 1u : 0u), "one entry when the limits take it, else none");
  if (!fits) return 0;
  Require(reports[0].strings.size() == 1 && reports[0].strings[0] == UpToZero(ansiMessage),
          "the entry's text is not the message in the code page");
  Require(reports[0].sourceName == UpToZero(fuzzing::CodePageBytes(page, source)),
          "the entry's source is not the name in the code page");
  Require(reports[0].data.size() == dataSize, "the entry's data size");
  Require(std::equal(ansiMessage.begin(), ansiMessage.end(), reports[0].data.begin(),
                     [](char a, std::uint8_t b) { return static_cast<std::uint8_t>(a) == b; }) &&
              std::all_of(reports[0].data.begin() + static_cast<long>(ansiMessage.size()),
                          reports[0].data.end(), [](std::uint8_t b) { return b == 0; }),
          "the entry's data is not the converted message and zeros");
  return 0;
}
