#include "bench/summary.h"

#include <cmath>

#include "bench/harness.h"

namespace bench {

namespace {

// Each round's own ratio: the two batches ran back to back.
std::vector<double> Ratios(const Samples& s) {
  std::vector<double> values;
  for (std::size_t r = 0; r < s.ns.size() && r < s.yardstickNs.size(); ++r)
    values.push_back(s.ns[r] / s.yardstickNs[r]);
  return values;
}

// Differences within a round, where both lengths met the same machine.
std::vector<double> PerChar(const std::vector<double>& shorter, const std::vector<double>& longer,
                            int fromLength, int toLength) {
  std::vector<double> values;
  for (std::size_t r = 0; r < longer.size() && r < shorter.size(); ++r)
    values.push_back((longer[r] - shorter[r]) / (toLength - fromLength));
  return values;
}

}  // namespace

std::vector<Measurement> Summarize(const std::vector<Samples>& lengths) {
  std::vector<Measurement> rows;
  for (std::size_t i = 0; i < lengths.size(); ++i) {
    const Samples& s = lengths[i];
    Measurement row{s.length, s.callsPerBatch, Median(s.ns), Median(s.yardstickNs),
                    Median(Ratios(s)), NAN, NAN, s.trialSpread};
    if (i > 0) {
      const Samples& before = lengths[i - 1];
      row.controlPerChar = Median(PerChar(before.ns, s.ns, before.length, s.length));
      row.barePerChar = Median(PerChar(before.yardstickNs, s.yardstickNs, before.length, s.length));
    }
    rows.push_back(row);
  }
  return rows;
}

}  // namespace bench
