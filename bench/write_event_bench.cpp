// The cost of one WriteEvent call against the bare sequence of system calls
// it is required to make, at message lengths from 1 to 30,000 characters.
// Every round times both, at every length, one after the other, so a busy
// machine slows both sides and all lengths alike; the table gives medians
// over the rounds.
//
//   write_event_bench [--rounds=N] [--batch-ms=N] [--lengths=N,N,...]
#include <chrono>
#include <cmath>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "bench/harness.h"
#include "bench/report.h"
#include "bench/settings.h"
#include "bench/write_event_pair.h"

namespace {

constexpr double kTargetRatio = 1.2;

std::string Describe() {
  std::string text;
#ifdef _WIN32
  text = "Windows API, ";
  text += std::to_string(8 * sizeof(void*));
  text += "-bit build";
#else
  text = "simulated machine (platform/sim), not Windows";
#ifdef __SANITIZE_ADDRESS__
  text += "; AddressSanitizer on";
#endif
#ifndef __OPTIMIZE__
  text += "; not optimised";
#endif
#endif
  return text;
}

// One message length: its pair, its batch size, and every round's figures.
struct Series {
  explicit Series(int length)
      : length(length), pair(std::make_unique<bench::WriteEventPair>(length)) {}
  int length;
  std::unique_ptr<bench::WriteEventPair> pair;
  int calls = 0;
  std::vector<double> controlNs, bareNs;
};

class Rounds {
 public:
  explicit Rounds(const bench::Settings& settings) : settings_(settings) {
    for (int length : settings.lengths)
      series_.emplace_back(length);
  }

  void Run() {
    // Batch sizes from the control's calls, the slower side where they differ.
    for (Series& s : series_)
      s.calls = bench::CallsPerBatch([&] { s.pair->Prepare(); }, [&] { return s.pair->ViaControl(); },
                                     std::chrono::milliseconds(settings_.batchMs));
    for (int round = 0; round < settings_.rounds; ++round) {
      for (Series& s : series_) {
        // Each side goes first in every other round, so neither always runs
        // in the other's wake.
        if (round % 2 == 0) {
          s.controlNs.push_back(Time(s, &bench::WriteEventPair::ViaControl));
          s.bareNs.push_back(Time(s, &bench::WriteEventPair::Bare));
        } else {
          s.bareNs.push_back(Time(s, &bench::WriteEventPair::Bare));
          s.controlNs.push_back(Time(s, &bench::WriteEventPair::ViaControl));
        }
      }
    }
  }

  std::vector<bench::Measurement> Summary() const {
    std::vector<bench::Measurement> rows;
    for (std::size_t i = 0; i < series_.size(); ++i) {
      const Series& s = series_[i];
      bench::Measurement row{s.length, s.calls, bench::Median(s.controlNs),
                             bench::Median(s.bareNs), bench::Median(Ratios(s)),
                             NAN, NAN};
      if (i > 0) {
        // Differences within a round, where both lengths met the same machine.
        const Series& before = series_[i - 1];
        row.controlPerChar = bench::Median(PerChar(before.controlNs, s.controlNs, before, s));
        row.barePerChar = bench::Median(PerChar(before.bareNs, s.bareNs, before, s));
      }
      rows.push_back(row);
    }
    return rows;
  }

  int failures() const { return failures_; }

 private:
  double Time(Series& s, bool (bench::WriteEventPair::*call)()) {
    s.pair->Prepare();
    return bench::NanosecondsPerCall([&] { return (s.pair.get()->*call)(); }, s.calls, failures_);
  }

  // Each round's own ratio: the two batches ran back to back.
  static std::vector<double> Ratios(const Series& s) {
    std::vector<double> values;
    for (std::size_t r = 0; r < s.controlNs.size(); ++r)
      values.push_back(s.controlNs[r] / s.bareNs[r]);
    return values;
  }

  static std::vector<double> PerChar(const std::vector<double>& shorter,
                                     const std::vector<double>& longer, const Series& from,
                                     const Series& to) {
    std::vector<double> values;
    for (std::size_t r = 0; r < longer.size(); ++r)
      values.push_back((longer[r] - shorter[r]) / (to.length - from.length));
    return values;
  }

  const bench::Settings& settings_;
  std::vector<Series> series_;
  int failures_ = 0;
};

}  // namespace

int main(int argc, char** argv) {
  const bench::Settings settings = bench::ParseArguments(argc, argv);
  std::cout << "WriteEvent against the bare system-call sequence\n"
            << "platform: " << Describe() << "\n"
            << "rounds: " << settings.rounds << ", both sides at every length in each, batches"
            << " of about " << settings.batchMs << " ms; medians over the rounds\n\n";

  Rounds rounds(settings);
  rounds.Run();
  bench::PrintTable(std::cout, rounds.Summary(), kTargetRatio);

  if (rounds.failures()) {
    std::cout << rounds.failures() << " calls did not report their entry: no valid figures\n";
    return 1;
  }
  return 0;
}
