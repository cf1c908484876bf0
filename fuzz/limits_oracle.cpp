#include "fuzz/limits_oracle.h"

#include "platform/eventlog.h"
#include "platform/sim/control.h"

namespace fuzzing {

namespace {

constexpr WindowsVersion kVersions[] = {
    {4, 0, 1381, VER_PLATFORM_WIN32_NT, false},    // Windows NT 4.0
    {5, 1, 2600, VER_PLATFORM_WIN32_NT, false},    // Windows XP
    {6, 0, 6000, VER_PLATFORM_WIN32_NT, true},     // Windows Vista
    {10, 0, 19045, VER_PLATFORM_WIN32_NT, true},   // Windows 10
};

}  // namespace

WindowsVersion PickWindowsVersion(FuzzedDataProvider& input) {
  const WindowsVersion version = input.PickValueInArray(kVersions);
  platform::sim::SetVersion(version.major, version.minor, version.build, version.platformId);
  return version;
}

bool EntryFits(const WindowsVersion& version, std::size_t characters, std::size_t dataBytes) {
  if (characters > platform::kLongestInsertionString) return false;
  return !version.vistaOrLater || (characters <= platform::sim::kLongestInsertionStringSinceVista &&
                                   dataBytes <= platform::sim::kLargestDataSinceVista);
}

}  // namespace fuzzing
