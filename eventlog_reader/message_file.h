// How an event viewer finds the text of an entry: the source's key under
// HKEY_LOCAL_MACHINE names the message file, the name is expanded, the file
// is loaded as data and the entry's message formatted from it with the
// entry's insertion strings. Header only, on the Windows API and the source
// key's facts alone, so a reader of the other bitness can be compiled from it
// with nothing else.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "event_sources/source_key.h"

namespace eventlog_reader {

// The source's "EventMessageFile" value as stored, or "" when there is none.
inline std::string MessageFileValue(const std::string& source) {
  const std::u16string_view prefix = scribbet::kSourceKeyPrefix;  // plain ASCII
  const std::string key = std::string(prefix.begin(), prefix.end()) + source;
  char value[MAX_PATH] = {};
  DWORD size = sizeof value - 1;
  HKEY opened = nullptr;
  if (::RegOpenKeyExA(HKEY_LOCAL_MACHINE, key.c_str(), 0, KEY_QUERY_VALUE, &opened)) return {};
  const std::u16string_view name = scribbet::kMessageFileValue;
  ::RegQueryValueExA(opened, std::string(name.begin(), name.end()).c_str(), nullptr, nullptr,
                     reinterpret_cast<BYTE*>(value), &size);
  ::RegCloseKey(opened);
  return value;
}

// The value with its environment variables (%SystemRoot% ...) expanded.
inline std::string ExpandedPath(const std::string& value) {
  char expanded[MAX_PATH] = {};
  ::ExpandEnvironmentStringsA(value.c_str(), expanded, sizeof expanded);
  return expanded;
}

// Message `id` of the file, loaded as data, with the insertion strings; ""
// when the file does not load or holds no such message.
inline std::string FormatFromMessageFile(const std::string& file, DWORD id,
                                         const std::vector<std::string>& strings) {
  HMODULE module =
      file.empty() ? nullptr : ::LoadLibraryExA(file.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  if (!module) return {};
  std::vector<const char*> inserts;
  for (const auto& s : strings) inserts.push_back(s.c_str());
  char* text = nullptr;
  ::FormatMessageA(FORMAT_MESSAGE_FROM_HMODULE | FORMAT_MESSAGE_ARGUMENT_ARRAY |
                       FORMAT_MESSAGE_ALLOCATE_BUFFER,
                   module, id, 0, reinterpret_cast<char*>(&text), 0,
                   reinterpret_cast<va_list*>(const_cast<char**>(inserts.data())));
  std::string formatted = text ? text : "";
  if (text) ::LocalFree(text);
  ::FreeLibrary(module);
  return formatted;
}

}  // namespace eventlog_reader
