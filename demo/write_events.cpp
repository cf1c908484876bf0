// The demonstration: writes one entry of each type through WriteEvent and
// shows, for each, the source's registry key and the entry as an event
// viewer shows it (message 1 of the source's message file, formatted with the
// entry's insertion string).
#include <cstdio>
#include <cstring>
#include <string>

#include "control/Scribbet.h"
#include "platform/handles.h"

namespace {

std::string Narrow(const std::u16string& text) { return {text.begin(), text.end()}; }

std::string ReadValue(HKEY key, const char* name, DWORD* type) {
  char data[512] = {};
  DWORD size = sizeof data - 1;
  if (::RegQueryValueExA(key, name, nullptr, type, reinterpret_cast<BYTE*>(data), &size))
    return "(missing)";
  if (*type == REG_DWORD) {
    DWORD number;
    std::memcpy(&number, data, sizeof number);
    return std::to_string(number);
  }
  return data;
}

// What an event viewer does: find the source's message file, load it as data
// and format message 1 with the insertion string.
std::string AsEventViewerShows(const std::string& messageFile, const std::string& insertion) {
  char path[MAX_PATH] = {};
  ::ExpandEnvironmentStringsA(messageFile.c_str(), path, sizeof path);
  HMODULE file = ::LoadLibraryExA(path, nullptr, LOAD_LIBRARY_AS_DATAFILE);
  if (!file) return "(the description for event ID 1 cannot be found: " + std::string(path) + ")";
  const char* inserts[] = {insertion.c_str()};
  char* text = nullptr;
  ::FormatMessageA(FORMAT_MESSAGE_FROM_HMODULE | FORMAT_MESSAGE_ARGUMENT_ARRAY |
                       FORMAT_MESSAGE_ALLOCATE_BUFFER,
                   file, 1, 0, reinterpret_cast<char*>(&text), 0,
                   reinterpret_cast<va_list*>(const_cast<char**>(inserts)));
  std::string shown = text ? text : "(message 1 not found)";
  ::LocalFree(text);
  ::FreeLibrary(file);
  while (!shown.empty() && (shown.back() == '\n' || shown.back() == '\r')) shown.pop_back();
  return shown;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string chosen = argc > 1 ? argv[1] : "Scribbet Demo";
  const char* typeNames[] = {"", "error", "warning", "", "information"};
  struct Entry {
    std::u16string message;
    std::int16_t type;
    std::u16string source;
  } entries[] = {
      {u"The nightly backup could not reach the file server.", 1,
       std::u16string(chosen.begin(), chosen.end())},
      {u"Disk D: is 91% full.", 2, std::u16string(chosen.begin(), chosen.end())},
      {u"Scribbet demo finished its run.", 3, u""},  // the default source name
  };

  scribbet::Scribbet control;
  int failures = 0;
  for (auto& entry : entries) {
    const std::int16_t passed = entry.type;
    const std::int16_t result = control.WriteEvent(entry.message, entry.type, entry.source);
    failures += result != 1;
    const std::string keyPath =
        "System\\CurrentControlSet\\Services\\EventLog\\Application\\" + Narrow(entry.source);
    std::printf("WriteEvent(\"%s\", %d, \"%s\") = %d; type variable now %d\n",
                Narrow(entry.message).c_str(), passed, Narrow(entry.source).c_str(), result,
                entry.type);
    std::printf("  HKEY_LOCAL_MACHINE\\%s\n", keyPath.c_str());
    HKEY key = nullptr;
    std::string messageFile;
    if (::RegOpenKeyExA(HKEY_LOCAL_MACHINE, keyPath.c_str(), 0, KEY_QUERY_VALUE, &key) == 0) {
      DWORD type = 0;
      messageFile = ReadValue(key, "EventMessageFile", &type);
      std::printf("    EventMessageFile  REG_%s  %s\n", type == REG_SZ ? "SZ" : "?",
                  messageFile.c_str());
      const std::string supported = ReadValue(key, "TypesSupported", &type);
      std::printf("    TypesSupported    REG_%s  %s\n", type == REG_DWORD ? "DWORD" : "?",
                  supported.c_str());
      ::RegCloseKey(key);
    }
    std::printf("  Event viewer: %s, source %s, event ID 1\n    %s\n\n", typeNames[entry.type],
                Narrow(entry.source).c_str(),
                AsEventViewerShows(messageFile, Narrow(entry.message)).c_str());
  }
  return failures ? 1 : 0;
}
