// What a setup is to do with the list of event sources it is given, decided
// before anything changes: the list read, each name sorted by the setups'
// rule (the names that are another's are left alone, and said why), and the
// keys it will write checked for the rights that writing needs. Setup's
// helper decides so when Setup starts and again just before it writes.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "event_sources/event_sources.h"

namespace scribbet::setup {

struct SourcesCheck {
  sources::SourcePlan plan;
  // The names of plan.toWrite whose keys this process may not write.
  std::vector<std::u16string> unwritable;
};

// The check for writing with MESSAGE_FILE. Raises SourceListError for a
// list refused.
SourcesCheck CheckSources(std::u16string_view list, std::u16string_view messageFile);

// Setup's registration: the check made again (the machine may have changed
// since Setup started), then, when every key to be written may be written,
// the writing with MESSAGE_FILE, all of it or none.
struct SourcesRun {
  SourcesCheck check;
  sources::RegistrationOutcome outcome;  // nothing written when check.unwritable is not empty
  bool succeeded() const { return check.unwritable.empty() && !outcome.failed; }
};
SourcesRun RegisterSources(std::u16string_view list, std::u16string_view messageFile);

// One line for a person on a name whose key may not be written.
std::u16string UnwritableText(const std::u16string& name);

}  // namespace scribbet::setup
