// The rounds of a benchmark: at every message length, each way of making the
// call is timed in one batch per round, one after the other, so a busy
// machine slows all ways and all lengths alike. The first way is the
// yardstick (the bare system-call sequence) the others are measured against.
#pragma once

#include <cstddef>
#include <functional>
#include <vector>

#include "bench/harness.h"
#include "bench/summary.h"

namespace bench {

// One call made one way; returns whether it did its work.
using Way = std::function<bool()>;

// One message length and the ways of writing it.
struct Series {
  int length;
  std::function<void()> prepare;  // runs, untimed, before every batch
  std::vector<Way> ways;          // ways[0] is the yardstick
  int calls = 0;                  // per batch, the same for every way
  std::vector<std::vector<double>> ns = {};  // per way: ns per call, one per round
};

class Rounds {
 public:
  explicit Rounds(std::vector<Series> series);

  // Sizes the batches on the slowest way but the yardstick, so none of them
  // is shorter than `batch`, then runs the rounds. The ways take turns at
  // going first, so none always runs in another's wake.
  void Run(int rounds, Clock::duration batch);

  // One batch of one way at one length, outside the rounds: nanoseconds per call.
  double TimeBatch(std::size_t series, std::size_t way);

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
