#include "bench/report.h"

#include <cmath>
#include <cstdio>
#include <string>

#ifdef _WIN32
#include <windows.h>
#else
#include <sched.h>
#endif

namespace bench {

namespace {

std::string PerChar(double value) {
  if (std::isnan(value)) return "-";
  char text[32];
  std::snprintf(text, sizeof text, "%.3f", value);
  return text;
}

}  // namespace

std::string DescribePlatform() {
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

std::string DescribeAffinity() {
  std::string cpus;
  int count = 0;
  const auto add = [&](int cpu) {
    if (count++) cpus += ',';
    cpus += std::to_string(cpu);
  };
#ifdef _WIN32
  DWORD_PTR process = 0, system = 0;
  if (!::GetProcessAffinityMask(::GetCurrentProcess(), &process, &system)) return "not known";
  for (int cpu = 0; cpu < 8 * static_cast<int>(sizeof process); ++cpu)
    if (process >> cpu & 1) add(cpu);
#else
  cpu_set_t set;
  CPU_ZERO(&set);
  if (sched_getaffinity(0, sizeof set, &set)) return "not known";
  for (int cpu = 0; cpu < CPU_SETSIZE; ++cpu)
    if (CPU_ISSET(cpu, &set)) add(cpu);
#endif
  if (count == 1) return "CPU " + cpus + " only";
  return "CPUs " + cpus +
         ": the figures measure the scheduler too (tools/bench runs every process on one CPU)";
}

void PrintTable(std::ostream& out, const char* way, const std::vector<Measurement>& rows,
                double targetRatio) {
  char line[200];
  out << "WriteEvent " << way << " against the bare sequence\n";
  std::snprintf(line, sizeof line, "%8s %7s %15s %11s %12s %7s %12s %12s\n", "chars", "calls",
                "WriteEvent ns", "calls/s", "bare ns", "ratio", "WE ns/char", "bare ns/char");
  out << line;
  std::string missed, spreads;
  for (const Measurement& row : rows) {
    std::snprintf(line, sizeof line, "%8d %7d %15.0f %11.0f %12.0f %7.3f %12s %12s\n",
                  row.length, row.callsPerBatch, row.controlNs, 1e9 / row.controlNs, row.bareNs,
                  row.ratio, PerChar(row.controlPerChar).c_str(), PerChar(row.barePerChar).c_str());
    out << line;
    if (row.ratio > targetRatio) (missed += ' ') += std::to_string(row.length);
    if (!std::isnan(row.trialSpread)) {
      std::snprintf(line, sizeof line, " %d: +-%.3f", row.length, row.trialSpread);
      spreads += line;
    }
  }
  out << "(ns/char: added cost per added character since the row above, median of the\n"
         " rounds; the same figure on the longer rows means the cost grows linearly)\n";
  if (!spreads.empty())
    out << "(calls: per batch, the same on both sides, sized after a warm-up; the ratios of\n"
           " the trial pairs of batches at that size spread by" << spreads << ")\n";

  if (std::isnan(targetRatio)) return;
  std::snprintf(line, sizeof line, " <= %.2f x bare sequence: ", targetRatio);
  out << "target WriteEvent " << way << line;
  if (missed.empty())
    out << "met at every length\n";
  else
    out << "NOT met at lengths" << missed << "\n";
}

}  // namespace bench
