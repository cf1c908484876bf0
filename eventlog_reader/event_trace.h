// The entries reported to the event log, read back after the fact from
// Wine's debug trace of it (the channels of wine-trace-channels). The tests
// read the simulated machine's records into the same form
// (tests/support/event_trace.h).
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/types.h"

namespace eventlog_reader {

struct ReportedEvent {
  WORD type = 0;
  WORD category = 0;
  DWORD eventId = 0;
  bool hasUser = false;
  WORD stringCount = 0;
  DWORD dataSize = 0;
  // The insertion strings as the log received them. Wine's trace shortens
  // long strings; truncated says so.
  std::vector<std::u16string> strings;
  bool truncated = false;
  // The source the entry was reported under, as the log service knows it
  // (wide text: under Wine from RegisterEventSourceW, which the ANSI
  // function calls with the name converted from the ANSI code page).
  std::optional<std::u16string> source;
  // Only the simulated log keeps this.
  std::optional<std::vector<std::uint8_t>> data;
};

// Decodes one Wine debug string (L"..." with its escapes).
std::u16string DecodeWineDebugString(const std::string& quoted, bool* truncated);

// The reports in a Wine debug trace of the event log: each shows as the
// fixme line of ReportEventA with its arguments, then one line of the
// eventlog channel per insertion string; the source is the one the last
// RegisterEventSourceW line named.
std::vector<ReportedEvent> ParseWineTrace(const std::string& trace);

}  // namespace eventlog_reader
