// Who a source name belongs to (Standing, in event_sources.h), looked up
// across every log under the event log's key with the right to read alone.
#pragma once

#include <string>

#include "event_sources/event_sources.h"

namespace scribbet::sources {

Lookup LookUp(const std::u16string& name);

}  // namespace scribbet::sources
