// The event-log functions of advapi32.dll, with the arguments they take.
#pragma once

#include "platform/types.h"

namespace platform {

HANDLE RegisterEventSourceA(LPCSTR server, LPCSTR source);
BOOL ReportEventA(HANDLE source, WORD type, WORD category, DWORD eventId, PSID user,
                  WORD stringCount, DWORD dataSize, LPCSTR* strings, LPVOID data);
BOOL DeregisterEventSource(HANDLE source);

}  // namespace platform
