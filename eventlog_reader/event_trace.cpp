#include "eventlog_reader/event_trace.h"

#include <cstdlib>
#include <sstream>

namespace eventlog_reader {

namespace {

// A line of the channel that notes the call, for the function named.
constexpr char kCallLine[] = ":fixme:" SCRIBBET_TRACE_CALL_CHANNEL ":";
// A line of the channel that carries the insertion strings (any class).
constexpr char kStringLine[] = ":" SCRIBBET_TRACE_STRING_CHANNEL ":ReportEventW ";

bool IsCall(const std::string& line, const std::string& function) {
  return line.find(kCallLine + function + " ") != std::string::npos;
}

}  // namespace

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
    if (IsCall(line, "RegisterEventSourceW")) {
      // (L"server",L"source"): the second of the two strings
      const std::size_t second = line.find(",L\"");
      if (second != std::string::npos) source = DecodeWineDebugString(line.substr(second + 1), nullptr);
    } else if (IsCall(line, "ReportEventA")) {
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
    } else if (line.find(kStringLine) != std::string::npos && !events.empty() &&
               events.back().strings.size() < events.back().stringCount) {
      bool truncated = false;
      events.back().strings.push_back(DecodeWineDebugString(line, &truncated));
      events.back().truncated |= truncated;
    }
  }
  return events;
}

}  // namespace eventlog_reader
