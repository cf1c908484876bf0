// The rounds of a benchmark: at every message length, each way of making the
// call is timed in one batch per round, one after the other, so a busy
// machine slows all ways and all lengths alike. The first way is the
// yardstick (the bare system-call sequence) the others are measured against.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "bench/harness.h"
#include "bench/summary.h"

namespace bench {

// Every way runs this long at each length before its batches are sized, so
// that the first phase of a process (the heap growing, the scheduler learning
// how it sleeps) is over.
inline constexpr Clock::duration kWarmUp = std::chrono::milliseconds(200);
// Batches are doubled until trial ratios lie within this of their middle.
inline constexpr double kSteadiness = 0.02;

// One call made one way; returns whether it did its work.
using Way = std::function<bool()>;

// One message length and the ways of writing it.
struct Series {
  int length;
  std::function<void()> prepare;  // runs, untimed, before every batch
  std::vector<Way> ways;          // ways[0] is the yardstick
  int calls = 0;                  // per batch, the same for every way
  double trialSpread = 0;         // of the trial ratios at that batch size
  std::vector<std::vector<double>> ns = {};  // per way: ns per call, one per round
};

// How the batches of a run asked for `batchMs` are sized, for the header.
std::string DescribeSizing(int batchMs);

class Rounds {
 public:
  explicit Rounds(std::vector<Series> series);

  // Sizes the batches, then runs the rounds. The ways take turns at going
  // first, so none always runs in another's wake.
  //
  // Sizing starts after every way has run for a warm-up, so that caches,
  // the heap and the scheduler's view of the process are as they stay. A
  // batch is then as long as `batch` on the slowest way but the yardstick,
  // and doubled until trial pairs of batches (yardstick, slowest way) give
  // ratios within the steadiness asked for, up to a longest batch.
  void Run(int rounds, Clock::duration batch);

  // One batch of one way at one length, outside the rounds: nanoseconds per
  // call, over the rounds' number of calls or the number given.
  double TimeBatch(std::size_t series, std::size_t way, long calls = 0);

  // What Summarize takes for one way: its figures beside the yardstick's.
  std::vector<Samples> SamplesOf(std::size_t way) const;

  const std::vector<Series>& series() const { return series_; }
  // Calls that did not do their work, in any batch.
  int failures() const { return failures_; }

 private:
  std::vector<Series> series_;
  int failures_ = 0;
};

}  // namespace bench
