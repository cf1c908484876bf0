// The soak plan (tests/support/soak_plan.h) on the simulated platform, under
// the address and leak sanitizers. No handle or buffer may stay open; the
// leak sanitizer checks the heap when the run ends, and finds one kept
// buffer as surely as a million.
#include <gtest/gtest.h>

#include "control/Scribbet.h"
#include "platform/sim/control.h"
#include "tests/support/machine.h"
#include "tests/support/soak_plan.h"

using namespace testing_support;

TEST(Soak, TwentyFiveThousandCallsOnTheSimulatedPlatform) {
  ResetMachine();
  scribbet::Scribbet control;
  const std::u16string text(kSoakLongest, u'm');
  const std::u16string known[] = {u"SoakOne", u"SoakTwo", u""};
  int wrong = 0, reported = 0;
  for (int i = 0; i < kSoakCalls; ++i) {
    const SoakCall plan = SoakPlan(i);
    std::u16string message = text.substr(0, static_cast<std::size_t>(plan.length));
    std::int16_t type = plan.type;
    std::u16string name = plan.fresh ? u"Fresh" + Widen(std::to_string(i)) : known[i % 3];
    const std::u16string expectedName = name.empty() ? u"Scribbet" : name;
    const std::int16_t result = control.WriteEvent(message, type, name);
    if (result != plan.expectedResult() || type != plan.expectedType() || name != expectedName ||
        message.size() != static_cast<std::size_t>(plan.length))
      ++wrong;
    reported += result;
    if ((i + 1) % kSoakReadEvery == 0) {
      const auto reports = platform::sim::Reports();
      EXPECT_EQ(reports.size(), std::size_t{kSoakReadEvery / 2}) << "after " << i + 1 << " calls";
      EXPECT_EQ(platform::sim::CountOpenHandles(), (platform::sim::OpenHandles{0, 0, 0}))
          << "after " << i + 1 << " calls";
      platform::sim::ForgetRecords();
    }
  }
  EXPECT_EQ(wrong, 0);
  EXPECT_EQ(reported, kSoakCalls / 2);
}
