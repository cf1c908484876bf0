#include "bench/report.h"

#include <cmath>
#include <cstdio>
#include <string>

namespace bench {

namespace {

std::string PerChar(double value) {
  if (std::isnan(value)) return "-";
  char text[32];
  std::snprintf(text, sizeof text, "%.3f", value);
  return text;
}

}  // namespace

void PrintTable(std::ostream& out, const std::vector<Measurement>& rows, double targetRatio) {
  char line[160];
  std::snprintf(line, sizeof line, "%8s %7s %15s %12s %7s %12s %12s\n", "chars", "calls",
                "WriteEvent ns", "bare ns", "ratio", "WE ns/char", "bare ns/char");
  out << line;
  std::string missed;
  for (const Measurement& row : rows) {
    std::snprintf(line, sizeof line, "%8d %7d %15.0f %12.0f %7.3f %12s %12s\n", row.length,
                  row.callsPerBatch, row.controlNs, row.bareNs, row.ratio,
                  PerChar(row.controlPerChar).c_str(), PerChar(row.barePerChar).c_str());
    out << line;
    if (row.ratio > targetRatio) (missed += ' ') += std::to_string(row.length);
  }
  out << "(ns/char: added cost per added character since the row above, median of the\n"
         " rounds; the same figure on the longer rows means the cost grows linearly)\n";

  std::snprintf(line, sizeof line, "target WriteEvent <= %.2f x bare sequence: ", targetRatio);
  out << line;
  if (missed.empty())
    out << "met at every length\n";
  else
    out << "NOT met at lengths" << missed << "\n";
}

}  // namespace bench
