// What a setup may do with the sources it is given. A setup is run once by an
// administrator for a whole machine, so its rule is stricter than the
// control's own on first use: a name is the setup's to write only when no key
// of that name exists under any log (nor a log of that name), or when its key
// under Application names a Scribbet control, of either architecture, as its
// message file. Every other name is another's and is left alone. Deciding
// needs the right to read alone, so a setup's first step, which runs with
// the installing user's own rights, decides as well as its last.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "event_sources/source_lookup.h"

namespace scribbet::sources {

struct SourcePlan {
  std::vector<std::u16string> toWrite;                       // in the order given
  std::vector<std::pair<std::u16string, Lookup>> leftAlone;  // in the order given
};

SourcePlan PlanSources(const std::vector<std::u16string>& names);

// Whether the setup may write a name of that standing.
constexpr bool IsTheSetupsToWrite(Standing standing) {
  return standing == Standing::Free || standing == Standing::Scribbet;
}

// One line for a person: which source was left alone, and why.
std::u16string LeftAloneText(const std::u16string& name, const Lookup& lookup);

}  // namespace scribbet::sources
