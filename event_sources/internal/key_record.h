// A key as it was before a run wrote to it, every value byte for byte, and
// the take-back to exactly that; as a text too, for a take-back in a later
// process.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "event_sources/internal/registry_reading.h"

namespace scribbet::sources {

struct KeyRecord {
  std::u16string path;  // below HKEY_LOCAL_MACHINE
  bool existed;
  std::vector<Value> values;
  bool operator==(const KeyRecord&) const = default;
};

// Raises RegistryError when the key is there but cannot be read whole.
KeyRecord RecordKey(const std::u16string& path);

// Takes the key back to the record: a key that was not there goes again, one
// that was holds exactly the values recorded, and only they. Whether the key
// is now as recorded.
bool RestoreKey(const KeyRecord& record) noexcept;

// A failed run's take-back: every record restored, the last first. The last
// part of the path (the source's name) of each that could not be.
std::vector<std::u16string> RestoreKeys(const std::vector<KeyRecord>& records) noexcept;

// The records as one text of hexadecimal words, and back (std::invalid_argument
// for a text that is none).
std::u16string RecordsText(const std::vector<KeyRecord>& records);
std::vector<KeyRecord> RecordsFromText(std::u16string_view text);

}  // namespace scribbet::sources
