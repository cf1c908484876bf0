#include "platform/eventlog.h"

#include "platform/win32/binding.h"

namespace platform {

HANDLE RegisterEventSourceA(LPCSTR server, LPCSTR source) {
  return PLATFORM_BIND(kAdvapi32, RegisterEventSourceA)(server, source);
}

BOOL ReportEventA(HANDLE source, WORD type, WORD category, DWORD eventId, PSID user,
                  WORD stringCount, DWORD dataSize, LPCSTR* strings, LPVOID data) {
  return PLATFORM_BIND(kAdvapi32, ReportEventA)(source, type, category, eventId, user, stringCount,
                                                dataSize, strings, data);
}

BOOL DeregisterEventSource(HANDLE source) {
  return PLATFORM_BIND(kAdvapi32, DeregisterEventSource)(source);
}

}  // namespace platform
