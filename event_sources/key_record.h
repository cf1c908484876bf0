// A key as it was before a run wrote to it, every value byte for byte, and
// the take-back to exactly that.
#pragma once

#include <string>
#include <vector>

#include "event_sources/registry_reading.h"

namespace scribbet::sources {

struct KeyRecord {
  std::u16string path;  // below HKEY_LOCAL_MACHINE
  bool existed;
  std::vector<Value> values;
};

// Raises RegistryError when the key is there but cannot be read whole.
KeyRecord RecordKey(const std::u16string& path);

// Takes the key back to the record: a key that was not there goes again, one
// that was holds exactly the values recorded, and only they. Whether the key
// is now as recorded.
bool RestoreKey(const KeyRecord& record) noexcept;

// A failed run's take-back: every record restored, the last first. The
// names (names[i] the source of records[i]) of those that could not be.
std::vector<std::u16string> RestoreKeys(const std::vector<KeyRecord>& records,
                                        const std::vector<std::u16string>& names) noexcept;

}  // namespace scribbet::sources
