// What the user interface's bindings answer together, the same for the real
// and the simulated machine.
#include "platform/errors.h"
#include "platform/ui.h"

namespace platform {

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
