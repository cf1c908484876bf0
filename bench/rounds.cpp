#include "bench/rounds.h"

#include <algorithm>
#include <utility>

namespace bench {

Rounds::Rounds(std::vector<Series> series) : series_(std::move(series)) {
  for (Series& s : series_) s.ns.assign(s.ways.size(), {});
}

void Rounds::Run(int rounds, Clock::duration batch) {
  for (Series& s : series_) {
    s.calls = 1 << 24;
    for (std::size_t way = 1; way < s.ways.size(); ++way)
      s.calls = std::min(s.calls, CallsPerBatch(s.prepare, s.ways[way], batch));
  }
  for (int round = 0; round < rounds; ++round) {
    for (std::size_t i = 0; i < series_.size(); ++i) {
      Series& s = series_[i];
      const std::size_t count = s.ways.size();
      // Round 0 starts with the way after the yardstick; each round one later.
      for (std::size_t turn = 0; turn < count; ++turn) {
        const std::size_t way = (round + 1 + turn) % count;
        s.ns[way].push_back(TimeBatch(i, way));
      }
    }
  }
}

double Rounds::TimeBatch(std::size_t series, std::size_t way) {
  Series& s = series_[series];
  s.prepare();
  return NanosecondsPerCall(s.ways[way], s.calls, failures_);
}

std::vector<Samples> Rounds::SamplesOf(std::size_t way) const {
  std::vector<Samples> samples;
  for (const Series& s : series_) samples.push_back({s.length, s.calls, s.ns[way], s.ns[0]});
  return samples;
}

}  // namespace bench
