#include <stdexcept>

#include "event_sources/event_sources.h"
#include "event_sources/internal/key_record.h"
#include "event_sources/internal/source_writing.h"
#include "event_sources/source_key.h"

namespace scribbet::sources {

std::vector<SourceValue> ValuesToWrite(const std::u16string& name, std::u16string_view messageFile) {
  const SourceKeyWrites writes = WritesFor(SourceKeyValues(name), messageFile);
  std::vector<SourceValue> values;
  if (writes.messageFile)
    values.push_back({kMessageFileValue, kMessageFileType, std::u16string(messageFile), 0});
  if (writes.types)
    values.push_back({kTypesSupportedValue, kTypesSupportedType, {}, static_cast<DWORD>(kTypesSupported)});
  return values;
}

std::vector<std::u16string> UnwritableSources(const std::vector<std::u16string>& names,
                                              std::u16string_view messageFile) {
  std::vector<std::u16string> unwritable;
  for (const std::u16string& name : names)
    if (!CanWriteSourceKey(name, messageFile)) unwritable.push_back(name);
  return unwritable;
}

RegistrationOutcome WriteSources(const std::vector<std::u16string>& names,
                                 std::u16string_view messageFile) {
  std::vector<KeyRecord> records;
  for (const std::u16string& name : names) {
    try {
      records.push_back(RecordKey(SourceKeyPath(name)));
    } catch (...) {
      return {name, {}, {}};  // nothing written yet
    }
  }
  for (const std::u16string& name : names) {
    try {
      WriteSourceKey(name, messageFile);
      continue;
    } catch (...) {
    }
    return {name, RestoreKeys(records), {}};
  }
  return {std::nullopt, {}, RecordsText(records)};
}

std::vector<std::u16string> TakeBack(std::u16string_view takeBack) {
  return RestoreKeys(RecordsFromText(takeBack));
}

}  // namespace scribbet::sources
