// The benchmark's command line.
#pragma once

#include <vector>

namespace bench {

struct Settings {
  int rounds = 15;
  int batchMs = 40;  // each timed batch of calls lasts at least this long
  std::vector<int> lengths = {1, 100, 10'000, 30'000};
  // Where a script host runs the calls: the script's rounds (one process
  // each) and how long each of its timed loops lasts at least.
  int scriptRounds = 5;
  int scriptMs = 600;
};

// --rounds=N --batch-ms=N --lengths=N,N,... (increasing) --script-rounds=N
// --script-ms=N; exits with the usage on anything else.
Settings ParseArguments(int argc, char** argv);

}  // namespace bench
