// The benchmark's table: per message length the cost of one WriteEvent call,
// of the bare sequence, their ratio, and the cost per added character from
// the length before, which stays flat when the cost grows linearly.
#pragma once

#include <ostream>
#include <vector>

namespace bench {

struct Measurement {
  int length;  // characters in the message
  int callsPerBatch;
  double controlNs;  // per call, median over the rounds
  double bareNs;
  double ratio;           // median of the rounds' own ratios
  double controlPerChar;  // ns per added character since the length before;
  double barePerChar;     // not a number for the first length
};

void PrintTable(std::ostream& out, const std::vector<Measurement>& rows, double targetRatio);

}  // namespace bench
