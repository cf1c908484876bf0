// 25,000 calls of WriteEvent on the simulated platform, under the address
// and leak sanitizers: messages from 0 to 30,000 characters, valid and
// refused event types, known and fresh source names. No handle or buffer
// may stay open; the leak sanitizer checks the heap when the run ends, and
// finds one kept buffer as surely as a million.
#include <gtest/gtest.h>

#include "control/Scribbet.h"
#include "platform/sim/control.h"
#include "tests/support/machine.h"

namespace {

constexpr int kCalls = 25'000;
constexpr int kReadEvery = 2'500;
constexpr int kLongest = 30'000;

}  // namespace

TEST(Soak, TwentyFiveThousandCallsOnTheSimulatedPlatform) {
  testing_support::ResetMachine();
  scribbet::Scribbet control;
  const std::u16string text(kLongest, u'm');
  const std::u16string known[] = {u"SoakOne", u"SoakTwo", u""};
  static const std::int16_t kRefused[] = {0, 4, -1, 5, 32767, -32768};
  int wrong = 0, reported = 0;
  for (int i = 0; i < kCalls; ++i) {
    const bool valid = i % 2 == 0, fresh = i % 4 >= 2;
    std::u16string message = text.substr(0, static_cast<std::size_t>(i) * 7919 % (kLongest + 1));
    const std::int16_t asked = valid ? static_cast<std::int16_t>(1 + i / 2 % 3) : kRefused[i / 2 % 6];
    std::int16_t type = asked;
    std::u16string name = fresh ? u"Fresh" + std::u16string(1, char16_t(u'A' + i % 26)) +
                                      testing_support::Widen(std::to_string(i))
                                : known[i % 3];
    const std::u16string expectedName = name.empty() ? u"Scribbet" : name;
    const std::size_t length = message.size();
    const std::int16_t result = control.WriteEvent(message, type, name);
    if (result != (valid ? 1 : 0) || type != (asked == 3 ? 4 : asked) || name != expectedName ||
        message.size() != length)
      ++wrong;
    reported += result;
    if ((i + 1) % kReadEvery == 0) {
      const auto reports = platform::sim::Reports();
      EXPECT_EQ(reports.size(), std::size_t{kReadEvery / 2}) << "after " << i + 1 << " calls";
      EXPECT_EQ(platform::sim::CountOpenHandles(), (platform::sim::OpenHandles{0, 0, 0}))
          << "after " << i + 1 << " calls";
      platform::sim::ForgetRecords();
    }
  }
  EXPECT_EQ(wrong, 0);
  EXPECT_EQ(reported, kCalls / 2);
}
