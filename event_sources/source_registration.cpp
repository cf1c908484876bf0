#include "event_sources/source_registration.h"

#include "event_sources/key_record.h"
#include "event_sources/source_key.h"
#include "event_sources/source_writing.h"

namespace scribbet::sources {

RegistrationOutcome WriteSources(const std::vector<std::u16string>& names,
                                 std::u16string_view messageFile) {
  std::vector<KeyRecord> records;
  for (const std::u16string& name : names) {
    try {
      records.push_back(RecordKey(KeyPath(kApplicationSources, name)));
    } catch (...) {
      return {name, {}};  // nothing written yet
    }
  }
  for (const std::u16string& name : names) {
    try {
      WriteSourceKey(name, messageFile);
      continue;
    } catch (...) {
    }
    return {name, RestoreKeys(records, names)};
  }
  return {};
}

std::vector<std::u16string> UnwritableSources(const std::vector<std::u16string>& names) {
  std::vector<std::u16string> unwritable;
  for (const std::u16string& name : names)
    if (!CanWriteSourceKey(name)) unwritable.push_back(name);
  return unwritable;
}

}  // namespace scribbet::sources
