// What kind of session the process runs in, asked of the bound functions:
// the same for the real and the simulated machine.
#include "platform/errors.h"
#include "platform/process.h"
#include "platform/ui.h"

namespace platform {

bool RunsUnderWow64() {
  try {
    BOOL wow64 = FALSE;
    return platform::IsWow64Process(platform::GetCurrentProcess(), &wow64) && wow64;
  } catch (const BindingError& error) {
    // Windows before XP SP2 has no such entry point, and no 64-bit kind.
    if (error.number() == ErrorNumber::EntryPointNotFound) return false;
    throw;
  }
}

bool WindowStationVisible() {
  HWINSTA station = platform::GetProcessWindowStation();
  if (!station) return true;
  USEROBJECTFLAGS flags{};
  DWORD needed = 0;
  if (!platform::GetUserObjectInformationA(station, UOI_FLAGS, &flags, sizeof flags, &needed))
    return true;
  return (flags.dwFlags & WSF_VISIBLE) != 0;
}

}  // namespace platform
