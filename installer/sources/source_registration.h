// The sources a setup names, registered as one step: all of them, or, when
// one cannot be registered, none of those this run wrote.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "control/Reghack.h"

namespace scribbet::setup {

struct RegistrationOutcome {
  // The source that could not be registered; nothing when every one was.
  std::optional<std::u16string> failed;
  // Sources this run wrote to and could not take back after the failure.
  std::vector<std::u16string> notTakenBack;
};

// Registers each name in turn as the control's first WriteEvent would. At the
// first that cannot be registered it stops and takes back what this run
// wrote, that one's writes included: a key it made goes, and a key that was
// there before loses only the values it lacked. A key this run found already
// naming a message file was not written and is not touched.
RegistrationOutcome RegisterSources(Reghack& registry, const std::vector<std::u16string>& names);

}  // namespace scribbet::setup
