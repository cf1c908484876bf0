// The registration of an event source, as the control's first WriteEvent
// with a new name makes it and as Setup's helper makes it for the names given
// at setup.
#pragma once

#include <string>
#include <string_view>

#include "control/Reghack.h"
#include "shared/source_key.h"

namespace scribbet {

// The message file this process's control records: the SysWOW64 one for a
// 32-bit process on 64-bit Windows, else the System32 one.
std::u16string_view EventMessageFile();

// Whether the source's key already names a message file, of any type: such a
// key belongs to whoever wrote it and is left alone. Reads through the
// registry helper, with its rights.
bool SourceNamesMessageFile(Reghack& registry, const std::u16string& name);

// What RegisterSourceKey did with a source's key.
enum class SourceRegistration { Kept, Written, Failed };

// The key under kSourceKeyPrefix with EventMessageFile() and kTypesSupported,
// unless the key already names a message file. A key whose types could not
// be written is taken back to where it was (Failed). Registry errors that
// raise propagate.
SourceRegistration RegisterSourceKey(Reghack& registry, const std::u16string& name);

}  // namespace scribbet
