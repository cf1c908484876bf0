// What a registered event source is: its key below HKEY_LOCAL_MACHINE, in the
// Application log's part of the event log's key, and the two values in it,
// each with its name and type. The control writes them on a source's first
// use, both setups write them for the sources named at setup, the event-log
// reader finds a source's message file by them, and help.htm's reg add lines
// spell the same for doing it by hand.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/types.h"
#include "scribbet_names.h"

namespace scribbet {

// Where a source's key lives, below HKEY_LOCAL_MACHINE.
inline constexpr char16_t kSourceKeyPrefix[] =
    u"System\\CurrentControlSet\\Services\\EventLog\\Application\\";
// Its parts: the event log's key, which holds one key per log (Application,
// System, Security and the logs programs add), and the log's name. Every
// log's key holds one key per source of that log.
inline constexpr std::u16string_view kApplicationSources{kSourceKeyPrefix,
                                                         std::size(kSourceKeyPrefix) - 2};
inline constexpr std::u16string_view kEventLogKey =
    kApplicationSources.substr(0, kApplicationSources.rfind(u'\\'));
inline constexpr std::u16string_view kApplicationLog =
    kApplicationSources.substr(kEventLogKey.size() + 1);

// The key of the source of that name.
inline std::u16string SourceKeyPath(std::u16string_view name) {
  return std::u16string(kSourceKeyPrefix) += name;
}

// The file an event viewer takes the entry's text from: the control itself,
// in the system directory, where a viewer looks for message 1.
inline constexpr char16_t kMessageFileValue[] = u"EventMessageFile";
inline constexpr DWORD kMessageFileType = REG_SZ;
inline constexpr char16_t kEventMessageFile[] = u"%SystemRoot%\\System32\\" SCRIBBET_CONTROL_FILE;
// The same for the 32-bit control on 64-bit Windows. It lives in the 32-bit
// system directory, SysWOW64, and only 32-bit programs see that directory
// under the name System32; the event viewer is a 64-bit program and would
// look for the file in the 64-bit one. SysWOW64 by its own name is the same
// directory for readers of both kinds.
inline constexpr char16_t kEventMessageFileWow64[] = u"%SystemRoot%\\SysWOW64\\" SCRIBBET_CONTROL_FILE;

// The message file for a control in a 32-bit process on 64-bit Windows
// (wow64) or any other.
constexpr std::u16string_view EventMessageFileFor(bool wow64) {
  return wow64 ? kEventMessageFileWow64 : kEventMessageFile;
}
// The one this process's control records (source_key.cpp asks the system).
std::u16string_view EventMessageFile();

// The event types a source supports: error, warning and information.
inline constexpr char16_t kTypesSupportedValue[] = u"TypesSupported";
inline constexpr DWORD kTypesSupportedType = REG_DWORD;
inline constexpr std::int16_t kTypesSupported = 7;

}  // namespace scribbet
