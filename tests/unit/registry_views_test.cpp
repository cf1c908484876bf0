// What unregistering one bitness's control leaves for the other, decided
// from which registry view still registers the class.
#include <gtest/gtest.h>

#include <set>

#include "control/registry_views.h"

using scribbet::DecideUnregistration;
using scribbet::Unregistration;

TEST(RegistryViews, UnregistrationKeepsWhatTheOtherBitnessStillUses) {
  // The views in which the class's server is still registered once this
  // control's own keys are gone. On a system with one view every flag names
  // that view.
  constexpr REGSAM k32 = KEY_WOW64_32KEY, k64 = KEY_WOW64_64KEY;
  const struct {
    const char* what;
    bool module64;
    std::set<REGSAM> registered;
    bool oneView;
    std::optional<REGSAM> progIdWrittenAgainIn;
    bool wholeTypeLibrary;
  } cases[] = {
      {"64-bit control, 32-bit one installed", true, {k32}, false, k32, false},
      {"64-bit control alone", true, {}, false, std::nullopt, true},
      {"64-bit control whose own keys stayed", true, {k64}, false, std::nullopt, true},
      {"32-bit control, 64-bit one installed", false, {k64}, false, k64, false},
      {"32-bit control alone", false, {}, false, std::nullopt, true},
      {"32-bit control on a 32-bit system", false, {}, true, std::nullopt, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const Unregistration decided = DecideUnregistration(c.module64, [&](REGSAM view) {
      if (c.oneView) return !c.registered.empty();
      return c.registered.count(view & (k32 | k64)) > 0;
    });
    EXPECT_EQ(decided.progIdWrittenAgainIn, c.progIdWrittenAgainIn);
    EXPECT_EQ(decided.wholeTypeLibrary, c.wholeTypeLibrary);
  }
}
