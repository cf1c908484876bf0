#include "event_sources/source_key.h"

#include "platform/process.h"

namespace scribbet {

std::u16string_view EventMessageFile() { return EventMessageFileFor(platform::RunsUnderWow64()); }

}  // namespace scribbet
