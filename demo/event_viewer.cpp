// Shows the entries of an event log as an event viewer does: for each entry
// its type, source and event ID, and its description, formatted from message
// 1 of the message file its source's key names, with the entry's insertion
// strings. Under Wine the event log is the debug trace of the eventlog
// channel; its file is the argument.
//   event_viewer TRACE-FILE
#include <windows.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "eventlog_reader/event_trace.h"
#include "eventlog_reader/message_file.h"

namespace {

std::string Ansi(const std::u16string& text) {
  if (text.empty()) return {};
  const auto* wide = reinterpret_cast<const wchar_t*>(text.data());
  const int length = static_cast<int>(text.size());
  std::string out(::WideCharToMultiByte(CP_ACP, 0, wide, length, nullptr, 0, nullptr, nullptr), 0);
  ::WideCharToMultiByte(CP_ACP, 0, wide, length, out.data(), static_cast<int>(out.size()), nullptr,
                        nullptr);
  return out;
}

std::string Description(const eventlog_reader::ReportedEvent& event) {
  const std::string source = Ansi(event.source.value_or(u""));
  const std::string file =
      eventlog_reader::ExpandedPath(eventlog_reader::MessageFileValue(source));
  std::vector<std::string> strings;
  for (const auto& s : event.strings) strings.push_back(Ansi(s));
  std::string shown = eventlog_reader::FormatFromMessageFile(file, event.eventId, strings);
  if (shown.empty())
    shown = "The description for Event ID ( " + std::to_string(event.eventId) + " ) in Source ( " +
            source + " ) cannot be found.";
  while (!shown.empty() && (shown.back() == '\n' || shown.back() == '\r')) shown.pop_back();
  return shown;
}

const char* TypeName(WORD type) {
  switch (type) {
    case EVENTLOG_ERROR_TYPE: return "Error";
    case EVENTLOG_WARNING_TYPE: return "Warning";
    case EVENTLOG_INFORMATION_TYPE: return "Information";
    default: return "Unknown";
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: event_viewer TRACE-FILE\n");
    return 2;
  }
  std::ifstream file(argv[1], std::ios::binary);
  std::ostringstream trace;
  trace << file.rdbuf();
  const auto events = eventlog_reader::ParseWineTrace(trace.str());
  std::printf("Application log: %u entries\n\n", static_cast<unsigned>(events.size()));
  for (const auto& event : events) {
    std::printf("%-12s Source: %-20s Event ID: %lu  Category: None  Data: %lu bytes\n",
                TypeName(event.type), Ansi(event.source.value_or(u"")).c_str(),
                static_cast<unsigned long>(event.eventId),
                static_cast<unsigned long>(event.dataSize));
    std::printf("  %s\n\n", Description(event).c_str());
  }
  return 0;
}
