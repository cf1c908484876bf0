// What every fuzz target checks after each input, on the simulated machine:
// a broken expectation ends the run the way a crash does, so libFuzzer keeps
// the input that caused it.
#pragma once

#include <cstdio>
#include <cstdlib>

#include "platform/sim/control.h"

namespace fuzzing {

inline void Require(bool holds, const char* what) {
  if (holds) return;
  std::fprintf(stderr, "fuzz check failed: %s\n", what);
  std::abort();
}

// No key, event source or global buffer is left open by the call.
inline void RequireNothingOpen() {
  Require(platform::sim::CountOpenHandles() == platform::sim::OpenHandles{0, 0, 0},
          "a handle or buffer was left open");
}

}  // namespace fuzzing
