// The benchmark's command line.
#pragma once

#include <vector>

namespace bench {

struct Settings {
  int rounds = 15;
  int batchMs = 40;  // each timed batch of calls lasts about this long
  std::vector<int> lengths = {1, 100, 10'000, 30'000};
};

// --rounds=N --batch-ms=N --lengths=N,N,... (increasing); exits with the
// usage on anything else.
Settings ParseArguments(int argc, char** argv);

}  // namespace bench
