// The yardstick for WriteEvent: the system calls one WriteEvent call is
// required to make, in its order, with the ANSI conversions of message and
// source name they need and nothing else. It goes through the same platform
// functions as the control, so both pay alike for every call into the system
// and the difference between them is what the control adds.
#pragma once

#include <string_view>

#include "platform/types.h"

namespace bench {

// What the headers say of the yardstick. The benchmarks' texts are plain
// ASCII, which comes back from every code page unchanged: the control writes
// nothing back to its caller for them, so neither side makes a round trip.
inline constexpr char kBareSequenceNote[] =
    "bare sequence: the system calls WriteEvent must make, with the ANSI conversions of message"
    " and source name; the texts are plain ASCII, so neither side converts them back";

// The source registration's look-up (open the source's key, ask the size of
// its message-file value, read it, close the key), then open the source,
// allocate and fill the message buffer, report one entry, free the buffer and
// close the source. Returns what ReportEventA returned.
BOOL BareWriteEvent(std::u16string_view message, WORD eventType, std::u16string_view source);

}  // namespace bench
