#include "control/clsSupport.h"

#include "platform/sysinfo.h"

namespace scribbet {

std::int16_t clsSupport::GetVersionType() {
  // A failed query leaves the record as prepared: major version 0, "other".
  OSVERSIONINFOA version{};
  version.dwOSVersionInfoSize = sizeof version;
  platform::GetVersionExA(&version);
  if (version.dwMajorVersion == 4 && version.dwPlatformId == VER_PLATFORM_WIN32_WINDOWS)
    return kWindows95Line;
  if (version.dwMajorVersion == 4 && version.dwPlatformId == VER_PLATFORM_WIN32_NT)
    return kWindowsNT4;
  return kOtherSystem;
}

}  // namespace scribbet
