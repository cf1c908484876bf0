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

// Only a station that says it is invisible is taken for one: a query that
// fails, or a system without the queries, leaves the box to be shown.
bool WindowStationVisible() {
  try {
    HWINSTA station = platform::GetProcessWindowStation();
    if (!station) return true;
    USEROBJECTFLAGS flags{};
    DWORD needed = 0;
    if (!platform::GetUserObjectInformationA(station, UOI_FLAGS, &flags, sizeof flags, &needed))
      return true;
    return (flags.dwFlags & WSF_VISIBLE) != 0;
  } catch (const BindingError& error) {
    // Windows 95, 98 and Me have no window stations: the screen is the user's.
    if (error.number() == ErrorNumber::EntryPointNotFound) return true;
    throw;
  }
}

}  // namespace platform
