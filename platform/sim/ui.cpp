// Simulated message boxes: recorded, and answered at once with the answer
// the test set (IDOK unless told otherwise); and the window station they
// would appear on.
#include "platform/ui.h"

#include "platform/sim/state.h"

namespace platform {

int MessageBoxA(HWND owner, LPCSTR text, LPCSTR caption, UINT style) {
  auto m = sim::Lock();
  if (sim::Enter(m.machine, PLATFORM_ENTRY_POINT(kUser32, MessageBoxA))) return {};
  m->messageBoxes.push_back({owner, text ? text : "", caption ? caption : "", style});
  return m->messageBoxAnswer;
}

// The one window station of the simulated machine.
static HWINSTA const kWindowStation = reinterpret_cast<HWINSTA>(static_cast<ULONG_PTR>(0x60));

HWINSTA GetProcessWindowStation() {
  auto m = sim::Lock();
  if (sim::Enter(m.machine, PLATFORM_ENTRY_POINT(kUser32, GetProcessWindowStation))) return {};
  return kWindowStation;
}

// As the real call: the flags record for UOI_FLAGS, its size in needed, and
// FALSE for another object, another index or a buffer too small.
BOOL GetUserObjectInformationA(HANDLE object, int index, PVOID info, DWORD length,
                               LPDWORD needed) {
  auto m = sim::Lock();
  if (sim::Enter(m.machine, PLATFORM_ENTRY_POINT(kUser32, GetUserObjectInformationA))) return {};
  if (object != kWindowStation || index != UOI_FLAGS) return FALSE;
  if (needed) *needed = sizeof(USEROBJECTFLAGS);
  if (!info || length < sizeof(USEROBJECTFLAGS)) return FALSE;
  USEROBJECTFLAGS flags{};
  flags.dwFlags = m->windowStationVisible ? WSF_VISIBLE : 0;
  *static_cast<USEROBJECTFLAGS*>(info) = flags;
  return TRUE;
}

}  // namespace platform
