// The timing harness of the benchmarks: one batch of calls timed on the
// steady clock, the batch size that fills a given time, and the median of the
// rounds. A plain clock, so the host and both Windows builds are measured by
// the same code; no benchmark library builds for the MinGW targets.
#pragma once

#include <chrono>
#include <vector>

namespace bench {

using Clock = std::chrono::steady_clock;

// Nanoseconds per call over one batch of `calls` calls. `call` returns
// whether the call did its work; a batch in which any call did not is no
// measurement of the work, so the harness counts the failures for the caller.
template <typename Call>
double NanosecondsPerCall(Call&& call, long calls, int& failures) {
  const Clock::time_point start = Clock::now();
  for (long i = 0; i < calls; ++i)
    if (!call()) ++failures;
  const Clock::duration elapsed = Clock::now() - start;
  return std::chrono::duration<double, std::nano>(elapsed).count() / calls;
}

// The number of calls that takes at least `target`: doubled from one until a
// batch is long enough for the clock's resolution and the noise of a single
// call not to matter. `prepare` runs before every trial batch, untimed.
template <typename Prepare, typename Call>
int CallsPerBatch(Prepare&& prepare, Call&& call, Clock::duration target) {
  const double targetNs = std::chrono::duration<double, std::nano>(target).count();
  int failures = 0;
  for (int calls = 1;; calls *= 2) {
    prepare();
    if (NanosecondsPerCall(call, calls, failures) * calls >= targetNs || calls >= (1 << 24))
      return calls;
  }
}

// The middle value (the mean of the two middle ones for an even count).
double Median(std::vector<double> values);

}  // namespace bench
