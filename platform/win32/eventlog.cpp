#include "platform/eventlog.h"

#include "platform/win32/binding.h"

namespace platform {

using win32::Bind;
using win32::kAdvapi32;

HANDLE RegisterEventSourceA(LPCSTR server, LPCSTR source) {
  static const auto fn =
      Bind<decltype(&::RegisterEventSourceA)>(kAdvapi32, "RegisterEventSourceA");
  return fn(server, source);
}

BOOL ReportEventA(HANDLE source, WORD type, WORD category, DWORD eventId, PSID user,
                  WORD stringCount, DWORD dataSize, LPCSTR* strings, LPVOID data) {
  static const auto fn = Bind<decltype(&::ReportEventA)>(kAdvapi32, "ReportEventA");
  return fn(source, type, category, eventId, user, stringCount, dataSize, strings, data);
}

BOOL DeregisterEventSource(HANDLE source) {
  static const auto fn =
      Bind<decltype(&::DeregisterEventSource)>(kAdvapi32, "DeregisterEventSource");
  return fn(source);
}

}  // namespace platform
