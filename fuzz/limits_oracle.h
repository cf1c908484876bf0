// What the event log takes of one entry, by the documented limits, on
// Windows versions before Vista and since: the oracle of every fuzz target
// that writes an entry. The Windows version is the input's last choice, so
// an input made before it was asked for (one that ends earlier) runs on
// Windows NT 4.0, as it did.
#pragma once

#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>

#include "platform/types.h"

namespace fuzzing {

struct WindowsVersion {
  DWORD major, minor, build, platformId;
  bool vistaOrLater;
};

// One of the versions, picked by the input; the simulated machine reports it.
WindowsVersion PickWindowsVersion(FuzzedDataProvider& input);

// Whether an entry is written whose message counts CHARACTERS (back from the
// code page, up to its first zero) and carries DATA_BYTES of data.
bool EntryFits(const WindowsVersion& version, std::size_t characters, std::size_t dataBytes);

}  // namespace fuzzing
