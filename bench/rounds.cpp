#include "bench/rounds.h"

#include <algorithm>
#include <cstdio>
#include <utility>

namespace bench {

namespace {

constexpr int kTrialPairs = 3;
// Doubling stops at this many times the batch asked for.
constexpr int kLongestBatchFactor = 8;

void WarmUp(Series& s, int& failures) {
  const Clock::time_point end = Clock::now() + kWarmUp;
  while (Clock::now() < end)
    for (const Way& way : s.ways) {
      s.prepare();
      NanosecondsPerCall(way, 1, failures);
    }
}

}  // namespace

std::string DescribeSizing(int batchMs) {
  char text[200];
  std::snprintf(text, sizeof text,
                "batches of at least %d ms, sized after a warm-up of %lld ms and doubled (to %dx"
                " at most) until %d trial ratios lie within +-%.2f",
                batchMs,
                static_cast<long long>(
                    std::chrono::duration_cast<std::chrono::milliseconds>(kWarmUp).count()),
                kLongestBatchFactor, kTrialPairs, kSteadiness);
  return text;
}

Rounds::Rounds(std::vector<Series> series) : series_(std::move(series)) {
  for (Series& s : series_) s.ns.assign(s.ways.size(), {});
}

void Rounds::Run(int rounds, Clock::duration batch) {
  for (std::size_t i = 0; i < series_.size(); ++i) {
    Series& s = series_[i];
    WarmUp(s, failures_);
    s.calls = 1 << 24;
    std::size_t slowest = 1;
    for (std::size_t way = 1; way < s.ways.size(); ++way) {
      const int calls = CallsPerBatch(s.prepare, s.ways[way], batch);
      if (calls < s.calls) s.calls = calls, slowest = way;
    }
    for (const int longest = s.calls * kLongestBatchFactor;; s.calls *= 2) {
      std::vector<double> ratios;
      for (int pair = 0; pair < kTrialPairs; ++pair)
        ratios.push_back(TimeBatch(i, slowest) / TimeBatch(i, 0));
      const auto [low, high] = std::minmax_element(ratios.begin(), ratios.end());
      s.trialSpread = (*high - *low) / 2;
      if (s.trialSpread <= kSteadiness || s.calls >= longest) break;
    }
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

double Rounds::TimeBatch(std::size_t series, std::size_t way, long calls) {
  Series& s = series_[series];
  s.prepare();
  return NanosecondsPerCall(s.ways[way], calls ? calls : s.calls, failures_);
}

std::vector<Samples> Rounds::SamplesOf(std::size_t way) const {
  std::vector<Samples> samples;
  for (const Series& s : series_)
    samples.push_back({s.length, s.calls, s.ns[way], s.ns[0], s.trialSpread});
  return samples;
}

}  // namespace bench
