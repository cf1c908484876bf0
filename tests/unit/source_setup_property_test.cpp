// Setup's registration of event sources on random machines: nothing that is
// not the run's own changes (tests/support/source_setup_property.h has the
// rules). Each code page's run of the suite takes cases of its own; the
// fuzz build's source_setup_fuzz takes many more.
#include "tests/support/source_setup_property.h"

#include <gtest/gtest.h>

#include <random>

#include "platform/ansi.h"
#include "tests/support/machine.h"

SIMULATED_TEST(SourceSetupProperty, NothingThatIsNotTheRunsOwnChanges) {
  constexpr unsigned kCases = 1000;
  const unsigned first = platform::AnsiCodePage() * kCases;
  for (unsigned seed = first; seed < first + kCases; ++seed) {
    std::mt19937 random(seed);
    const std::string broken = testing_support::CheckOneSourceSetup(
        [&](unsigned n) { return static_cast<unsigned>(random() % n); });
    ASSERT_EQ(broken, "") << "seed " << seed;
  }
  testing_support::ResetMachine();
}
