// From the rounds' figures to the table's rows: medians over the rounds, each
// round's own ratio, and the cost per added character between lengths.
#pragma once

#include <cmath>
#include <vector>

#include "bench/report.h"

namespace bench {

// One way of calling at one message length, and the yardstick beside it:
// nanoseconds per call, one value per round, the two timed in the same round.
struct Samples {
  int length;
  int callsPerBatch;
  std::vector<double> ns;
  std::vector<double> yardstickNs;
  double trialSpread = NAN;  // of the trial ratios the batch was sized on
};

// One row per length, in the order given (increasing lengths).
std::vector<Measurement> Summarize(const std::vector<Samples>& lengths);

}  // namespace bench
