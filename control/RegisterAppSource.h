// The registration of an event source, as the control's first WriteEvent
// with a new name makes it.
#pragma once

#include <string_view>

#include "event_sources/source_key.h"

namespace scribbet {

// The message file this process's control records: the SysWOW64 one for a
// 32-bit process on 64-bit Windows, else the System32 one.
std::u16string_view EventMessageFile();

}  // namespace scribbet
