#include "eventlog_reader/event_trace.h"

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "platform/ansi.h"
#ifndef _WIN32
#include "platform/sim/control.h"
#endif

namespace eventlog_reader {

std::u16string DecodeWineDebugString(const std::string& text, bool* truncated) {
  std::u16string out;
  std::size_t i = text.find("L\"");
  if (i == std::string::npos) return out;
  for (i += 2; i < text.size() && text[i] != '"'; ++i) {
    if (text[i] != '\\' || i + 1 >= text.size()) {
      out += static_cast<char16_t>(static_cast<unsigned char>(text[i]));
      continue;
    }
    const char escaped = text[++i];
    switch (escaped) {
      case 'n': out += u'\n'; break;
      case 'r': out += u'\r'; break;
      case 't': out += u'\t'; break;
      case '"': out += u'"'; break;
      case '\\': out += u'\\'; break;
      default:  // four hexadecimal digits
        out += static_cast<char16_t>(std::strtoul(text.substr(i, 4).c_str(), nullptr, 16));
        i += 3;
    }
  }
  if (truncated) *truncated = text.compare(i, 4, "\"...") == 0;
  return out;
}

std::vector<ReportedEvent> ParseWineTrace(const std::string& trace) {
  std::vector<ReportedEvent> events;
  std::istringstream lines(trace);
  std::string line;
  std::u16string source;
  while (std::getline(lines, line)) {
    if (line.find(":fixme:advapi:RegisterEventSourceW ") != std::string::npos) {
      // (L"server",L"source"): the second of the two strings
      const std::size_t second = line.find(",L\"");
      if (second != std::string::npos) source = DecodeWineDebugString(line.substr(second + 1), nullptr);
    } else if (line.find(":fixme:advapi:ReportEventA ") != std::string::npos) {
      const std::size_t open = line.find('(');
      std::vector<std::string> fields;
      std::istringstream args(line.substr(open + 1, line.find(')') - open - 1));
      for (std::string field; std::getline(args, field, ',');) fields.push_back(field);
      if (fields.size() < 9) continue;
      ReportedEvent event;
      event.type = static_cast<WORD>(std::strtoul(fields[1].c_str(), nullptr, 16));
      event.category = static_cast<WORD>(std::strtoul(fields[2].c_str(), nullptr, 16));
      event.eventId = static_cast<DWORD>(std::strtoul(fields[3].c_str(), nullptr, 16));
      event.hasUser = std::strtoull(fields[4].c_str(), nullptr, 16) != 0;
      event.stringCount = static_cast<WORD>(std::strtoul(fields[5].c_str(), nullptr, 16));
      event.dataSize = static_cast<DWORD>(std::strtoul(fields[6].c_str(), nullptr, 16));
      event.source = source;
      events.push_back(std::move(event));
    } else if (line.find(":eventlog:ReportEventW ") != std::string::npos && !events.empty() &&
               events.back().strings.size() < events.back().stringCount) {
      bool truncated = false;
      events.back().strings.push_back(DecodeWineDebugString(line, &truncated));
      events.back().truncated |= truncated;
    }
  }
  return events;
}

#ifdef _WIN32

static std::string TraceText() {
  const char* path = std::getenv("SCRIBBET_WINE_TRACE");
  if (!path || !*path)
    throw std::runtime_error("SCRIBBET_WINE_TRACE is not set: run the tests through tools/wine-run");
  std::ifstream file(path, std::ios::binary);
  std::ostringstream text;
  text << file.rdbuf();
  return text.str();
}

EventTrace::EventTrace() : start_(TraceText().size()) {}

std::vector<ReportedEvent> EventTrace::NewEvents() const {
  return ParseWineTrace(TraceText().substr(start_));
}

#else

EventTrace::EventTrace() : start_(platform::sim::Reports().size()) {}

std::vector<ReportedEvent> EventTrace::NewEvents() const {
  std::vector<ReportedEvent> events;
  const auto reports = platform::sim::Reports();
  for (std::size_t i = start_; i < reports.size(); ++i) {
    const auto& report = reports[i];
    ReportedEvent event;
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

}  // namespace eventlog_reader
