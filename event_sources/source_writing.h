// One source's key as a setup writes it: the key under Application, the
// message file given, and the supported types where the key has none (a
// source of Scribbet's whose types were changed since keeps the change).
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "event_sources/registry_reading.h"

namespace scribbet::sources {

// What the writing of a source's key with MESSAGE_FILE changes in a key that
// holds VALUES (none for a key that is not there).
struct SourceKeyWrites {
  bool messageFile;  // it names another file, or none
  bool types;        // it has no supported types
};
SourceKeyWrites WritesFor(const std::vector<Value>& values, std::u16string_view messageFile);

// Raises RegistryError at the first write that fails.
void WriteSourceKey(const std::u16string& name, std::u16string_view messageFile);

// Whether this process has the rights WriteSourceKey uses on the source's
// key: to read and set its values where it exists, to create it where not.
bool CanWriteSourceKey(const std::u16string& name);

}  // namespace scribbet::sources
