// One source's key as a setup writes it: the key under Application, the
// message file given, and the supported types where the key has none (a
// source of Scribbet's whose types were changed since keeps the change). A
// key that holds both already is not opened for writing at all.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "event_sources/internal/registry_reading.h"

namespace scribbet::sources {

// What the writing of a source's key with MESSAGE_FILE changes in a key that
// holds VALUES (none for a key that is not there).
struct SourceKeyWrites {
  bool messageFile;  // it names another file, or none, or this one as another type
  bool types;        // it has no supported types
  bool any() const { return messageFile || types; }
};
SourceKeyWrites WritesFor(const std::vector<Value>& values, std::u16string_view messageFile);

// What the name's key holds now: its values, none when it is not there.
// Raises RegistryError when it cannot be read.
std::vector<Value> SourceKeyValues(const std::u16string& name);

// Raises RegistryError at the first write that fails.
void WriteSourceKey(const std::u16string& name, std::u16string_view messageFile);

// Whether this process has the rights WriteSourceKey needs on the source's
// key: none but reading where it holds what would be written already; to
// read and set its values where it exists; where not, to create it below the
// nearest key that is there, whose rights a key made below it inherits.
bool CanWriteSourceKey(const std::u16string& name, std::u16string_view messageFile);

}  // namespace scribbet::sources
