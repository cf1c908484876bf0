// The cost of one WriteEvent call against the bare sequence of system calls
// it is required to make, at message lengths from 1 to 30,000 characters.
// Every round times both, at every length, one after the other, so a busy
// machine slows both sides and all lengths alike; the table gives medians
// over the rounds.
//
//   write_event_bench [--rounds=N] [--batch-ms=N] [--lengths=N,N,...]
#include <chrono>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "bench/bare_sequence.h"
#include "bench/report.h"
#include "bench/rounds.h"
#include "bench/settings.h"
#include "bench/write_event_pair.h"

namespace {

// One pair per length, kept alive for the rounds that call it.
std::vector<bench::Series> MakeSeries(const bench::Settings& settings,
                                      std::vector<std::unique_ptr<bench::WriteEventPair>>& pairs) {
  std::vector<bench::Series> series;
  for (int length : settings.lengths) {
    auto* pair = pairs.emplace_back(std::make_unique<bench::WriteEventPair>(length)).get();
    series.push_back({length, [pair] { pair->Prepare(); },
                      {[pair] { return pair->Bare(); }, [pair] { return pair->ViaControl(); }}});
  }
  return series;
}

}  // namespace

int main(int argc, char** argv) {
  const bench::Settings settings = bench::ParseArguments(argc, argv);
  std::cout << "WriteEvent against the bare system-call sequence\n"
            << "platform: " << bench::DescribePlatform() << "\n"
            << "affinity: " << bench::DescribeAffinity() << "\n"
            << "rounds: " << settings.rounds << ", both sides at every length in each; "
            << bench::DescribeSizing(settings.batchMs) << "; medians over the rounds\n"
            << bench::kBareSequenceNote << "\n\n";

  std::vector<std::unique_ptr<bench::WriteEventPair>> pairs;
  bench::Rounds rounds(MakeSeries(settings, pairs));
  rounds.Run(settings.rounds, std::chrono::milliseconds(settings.batchMs));
  bench::PrintTable(std::cout, "on scribbet::Scribbet", bench::Summarize(rounds.SamplesOf(1)),
                    bench::kInProcessTarget);

  if (rounds.failures()) {
    std::cout << rounds.failures() << " calls did not report their entry: no valid figures\n";
    return 1;
  }
  return 0;
}
