// The cost of WriteEvent as COM clients call it, against the bare sequence
// of system calls it is required to make, at message lengths from 1 to
// 30,000 characters, all in one run: through the vtable of _Scribbet,
// through IDispatch::Invoke by member ID with VBScript's and with JScript's
// arguments, and from a VBScript program run by cscript.exe. The control is
// registered from this build's bin folder for the run.
//
//   com_bench [--rounds=N] [--batch-ms=N] [--lengths=N,N,...]
//             [--script-rounds=N] [--script-ms=N]
#include <chrono>
#include <cmath>
#include <exception>
#include <iostream>
#include <memory>
#include <vector>

#include "bench/bare_sequence.h"
#include "bench/com_calls.h"
#include "bench/com_server.h"
#include "bench/report.h"
#include "bench/rounds.h"
#include "bench/script_loops.h"
#include "bench/settings.h"
#include "bench/write_event_pair.h"

namespace {

enum Way : std::size_t { kBare, kVtable, kByReference, kByValue };

// What one length needs alive for the rounds: the pair gives the bare
// sequence and the preparation, the calls reach the registered control.
struct Length {
  Length(int length, _Scribbet* control)
      : pair(length), calls(control, pair.message(), pair.source()) {}
  bench::WriteEventPair pair;
  bench::ComCalls calls;
};

std::vector<bench::Series> MakeSeries(const bench::Settings& settings, _Scribbet* control,
                                      std::vector<std::unique_ptr<Length>>& lengths) {
  std::vector<bench::Series> series;
  for (int length : settings.lengths) {
    Length* l = lengths.emplace_back(std::make_unique<Length>(length, control)).get();
    series.push_back({length,
                      [l] { l->pair.Prepare(); },
                      {[l] { return l->pair.Bare(); }, [l] { return l->calls.Vtable(); },
                       [l] { return l->calls.DispatchByReference(); },
                       [l] { return l->calls.DispatchByValue(); }}});
  }
  return series;
}

// The script's rounds. Its yardstick is taken like its loop: at every
// length a bare batch of as many calls as the script's loop makes, so that
// both last as long and meet the machine alike; taken before the cscript.exe
// run in one round and after it in the next, so neither side always follows
// the start or the end of a process.
struct ScriptFigures {
  std::vector<bench::Samples> samples;
  std::vector<std::vector<double>> withCallNs, withoutNs;  // per length, per round
  long failures = 0;
};

ScriptFigures RunScript(bench::Rounds& rounds, const std::vector<bench::Measurement>& dispatch,
                        const bench::Settings& settings) {
  std::vector<bench::ScriptLoop> loops;
  ScriptFigures figures;
  for (std::size_t i = 0; i < dispatch.size(); ++i) {
    // Enough calls for the loop to last scriptMs even if the script added nothing.
    const long calls = std::max(1L, std::lround(settings.scriptMs * 1e6 / dispatch[i].controlNs));
    loops.push_back({dispatch[i].length, calls, 0, 0, 0});
    figures.samples.push_back({dispatch[i].length, static_cast<int>(calls), {}, {}});
  }
  figures.withCallNs.resize(loops.size());
  figures.withoutNs.resize(loops.size());
  const auto timeYardstick = [&] {
    for (std::size_t i = 0; i < loops.size(); ++i)
      figures.samples[i].yardstickNs.push_back(rounds.TimeBatch(i, kBare, loops[i].calls));
  };
  for (int round = 0; round < settings.scriptRounds; ++round) {
    if (round % 2 == 0) timeYardstick();
    const std::vector<bench::ScriptLoop> results = bench::RunScriptLoops(loops);
    if (round % 2 == 1) timeYardstick();
    for (std::size_t i = 0; i < results.size(); ++i) {
      figures.samples[i].ns.push_back(results[i].CallNs());
      figures.withCallNs[i].push_back(results[i].withCallNs);
      figures.withoutNs[i].push_back(results[i].withoutNs);
      figures.failures += results[i].failures;
    }
  }
  return figures;
}

void PrintLoops(const ScriptFigures& figures) {
  std::cout << "(per pass, medians: the loop with the call / the same loop without it;\n"
               " the table's figure is the difference, timed with VBScript's Timer)\n";
  for (std::size_t i = 0; i < figures.samples.size(); ++i)
    std::cout << "  " << figures.samples[i].length << " chars: "
              << std::lround(bench::Median(figures.withCallNs[i])) << " ns / "
              << std::lround(bench::Median(figures.withoutNs[i])) << " ns\n";
}

int Run(const bench::Settings& settings) {
  bench::Apartment apartment;
  bench::Registration registration(bench::ControlPath());
  scribbet::com::ComPtr<_Scribbet> control = bench::CreateControl();

  std::vector<std::unique_ptr<Length>> lengths;
  bench::Rounds rounds(MakeSeries(settings, control.Get(), lengths));
  rounds.Run(settings.rounds, std::chrono::milliseconds(settings.batchMs));

  const auto dispatch = bench::Summarize(rounds.SamplesOf(kByReference));
  bench::PrintTable(std::cout, "through the vtable of _Scribbet",
                    bench::Summarize(rounds.SamplesOf(kVtable)), bench::kInProcessTarget);
  std::cout << "\n";
  bench::PrintTable(std::cout, "through IDispatch::Invoke, VBScript's arguments (references)",
                    dispatch, bench::kInProcessTarget);
  std::cout << "\n";
  bench::PrintTable(std::cout, "through IDispatch::Invoke, JScript's arguments (values)",
                    bench::Summarize(rounds.SamplesOf(kByValue)), bench::kInProcessTarget);
  std::cout << "\n";

  const ScriptFigures script = RunScript(rounds, dispatch, settings);
  bench::PrintTable(std::cout, "from VBScript (cscript.exe, a loop of calls less the empty loop)",
                    bench::Summarize(script.samples), NAN);
  std::cout << "(calls: per loop of the script; the bare sequence beside it is timed in batches\n"
               " of as many calls, as long as the loop, one per run of cscript.exe)\n";
  PrintLoops(script);

  if (rounds.failures() || script.failures) {
    std::cout << rounds.failures() + script.failures
              << " calls did not report their entry: no valid figures\n";
    return 1;
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  const bench::Settings settings = bench::ParseArguments(argc, argv);
  std::cout << "WriteEvent through COM against the bare system-call sequence\n"
            << "platform: " << bench::DescribePlatform() << "\n"
            << "affinity: " << bench::DescribeAffinity() << "\n"
            << "rounds: " << settings.rounds << ", every way at every length in each; "
            << bench::DescribeSizing(settings.batchMs) << "; script: " << settings.scriptRounds
            << " runs of cscript.exe, loops of at least " << settings.scriptMs
            << " ms; medians over the rounds\n"
            << bench::kBareSequenceNote << "\n\n";
  try {
    return Run(settings);
  } catch (const std::exception& error) {
    std::cout << "no figures: " << error.what() << "\n";
    return 1;
  }
}
