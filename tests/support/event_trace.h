// The entries reported to the event log since a test began, oldest first. On
// the simulated platform from its records; under Wine from the debug trace
// of the event log, which the harness (tools/wine-run) sends to the file
// SCRIBBET_WINE_TRACE names.
#pragma once

#include <cstddef>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "eventlog_reader/event_trace.h"
#ifndef _WIN32
#include "platform/ansi.h"
#include "platform/sim/control.h"
#endif

namespace testing_support {

class EventTrace {
 public:
  EventTrace() : start_(End()) {}  // remembers where the log ends now

  // The entries reported since this trace was made.
  std::vector<eventlog_reader::ReportedEvent> NewEvents() const;

 private:
  static std::size_t End();

  std::size_t start_ = 0;
};

#ifdef _WIN32

inline std::string WineTraceText() {
  const char* path = std::getenv("SCRIBBET_WINE_TRACE");
  if (!path || !*path)
    throw std::runtime_error("SCRIBBET_WINE_TRACE is not set: run the tests through tools/wine-run");
  std::ifstream file(path, std::ios::binary);
  std::ostringstream text;
  text << file.rdbuf();
  return text.str();
}

inline std::size_t EventTrace::End() { return WineTraceText().size(); }

inline std::vector<eventlog_reader::ReportedEvent> EventTrace::NewEvents() const {
  return eventlog_reader::ParseWineTrace(WineTraceText().substr(start_));
}

#else

inline std::size_t EventTrace::End() { return platform::sim::Reports().size(); }

inline std::vector<eventlog_reader::ReportedEvent> EventTrace::NewEvents() const {
  std::vector<eventlog_reader::ReportedEvent> events;
  const auto reports = platform::sim::Reports();
  for (std::size_t i = start_; i < reports.size(); ++i) {
    const auto& report = reports[i];
    eventlog_reader::ReportedEvent event;
    event.type = report.type;
    event.category = report.category;
    event.eventId = report.eventId;
    event.hasUser = report.hasUser;
    event.stringCount = static_cast<WORD>(report.strings.size());
    event.dataSize = static_cast<DWORD>(report.data.size());
    for (const auto& s : report.strings) event.strings.push_back(platform::FromAnsi(s));
    event.source = platform::FromAnsi(report.sourceName);
    event.data = report.data;
    events.push_back(std::move(event));
  }
  return events;
}

#endif

}  // namespace testing_support
