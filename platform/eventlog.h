// The event-log functions of advapi32.dll, with the arguments they take.
#pragma once

#include <cstddef>

#include "platform/types.h"

namespace platform {

// The longest insertion string ReportEventA takes, in UTF-16 code units. It
// widens each string from the ANSI code page into a counted wide string,
// whose 16-bit byte count must hold the characters and their terminator; a
// string that widens to more fails the report on every Windows version.
inline constexpr std::size_t kLongestInsertionString = 32766;

HANDLE RegisterEventSourceA(LPCSTR server, LPCSTR source);
BOOL ReportEventA(HANDLE source, WORD type, WORD category, DWORD eventId, PSID user,
                  WORD stringCount, DWORD dataSize, LPCSTR* strings, LPVOID data);
BOOL DeregisterEventSource(HANDLE source);

}  // namespace platform
