// The simulated event log records every report with all its arguments.
#include "platform/eventlog.h"

#include <algorithm>

#include "platform/ansi.h"
#include "platform/sim/control.h"
#include "platform/sim/state.h"

namespace platform {
namespace {


bool VistaOrLater(const OSVERSIONINFOA& version) {
  return version.dwPlatformId == VER_PLATFORM_WIN32_NT && version.dwMajorVersion >= 6;
}

}  // namespace

HANDLE RegisterEventSourceA(LPCSTR server, LPCSTR source) {
  auto m = sim::Lock();
  const DWORD failure =
      sim::Enter(m.machine, PLATFORM_ENTRY_POINT(kAdvapi32, RegisterEventSourceA));
  m->sourceOpens.push_back({server ? server : "", source ? source : "", server == nullptr});
  if (failure || !source) return nullptr;
  const ULONG_PTR handle = m->NewHandle();
  m->eventSources[handle] = source;
  return reinterpret_cast<HANDLE>(handle);
}

BOOL ReportEventA(HANDLE source, WORD type, WORD category, DWORD eventId, PSID user,
                  WORD stringCount, DWORD dataSize, LPCSTR* strings, LPVOID data) {
  // Each string is widened before anything is written, as Windows does; one
  // that does not fit a counted wide string fails the whole report. Measured
  // before the machine is locked: the conversion reads its code page.
  std::size_t longest = 0;
  for (WORD i = 0; strings && i < stringCount; ++i)
    if (strings[i]) longest = std::max(longest, FromAnsi(strings[i]).size());
  auto m = sim::Lock();
  if (sim::Enter(m.machine, PLATFORM_ENTRY_POINT(kAdvapi32, ReportEventA))) return FALSE;
  auto open = m->eventSources.find(reinterpret_cast<ULONG_PTR>(source));
  if (open == m->eventSources.end()) return FALSE;
  if ((stringCount && !strings) || (dataSize && !data) || longest > kLongestInsertionString)
    return FALSE;
  if (VistaOrLater(m->version)) {
    if (dataSize > sim::kLargestDataSinceVista) {
      m->lastError = RPC_S_INVALID_BOUND;
      return FALSE;
    }
    if (longest > sim::kLongestInsertionStringSinceVista) {
      m->lastError = ERROR_INVALID_PARAMETER;
      return FALSE;
    }
  }
  sim::Report report{source, open->second, type, category, eventId, user != nullptr, {}, {}};
  // Reads every string to its terminator and exactly dataSize bytes of the
  // data, as the real service does: an overrun shows under the sanitizers.
  for (WORD i = 0; i < stringCount; ++i) report.strings.emplace_back(strings[i]);
  const auto* bytes = static_cast<const std::uint8_t*>(data);
  report.data.assign(bytes, bytes + dataSize);
  m->reports.push_back(std::move(report));
  return TRUE;
}

BOOL DeregisterEventSource(HANDLE source) {
  auto m = sim::Lock();
  if (sim::Enter(m.machine, PLATFORM_ENTRY_POINT(kAdvapi32, DeregisterEventSource))) return {};
  return m->eventSources.erase(reinterpret_cast<ULONG_PTR>(source)) ? TRUE : FALSE;
}

}  // namespace platform
