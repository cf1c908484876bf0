// The benchmark's table: per message length the cost of one WriteEvent call
// made one way, the calls per second that makes, the cost of the bare
// sequence, their ratio, and the cost per added character from the length
// before, which stays flat when the cost grows linearly.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace bench {

// What every in-process way of calling WriteEvent may cost against the bare
// sequence, at every length: the control's own work is the bare sequence's
// and little more.
inline constexpr double kInProcessTarget = 1.05;

struct Measurement {
  int length;  // characters in the message
  int callsPerBatch;
  double controlNs;  // per call, median over the rounds
  double bareNs;
  double ratio;           // median of the rounds' own ratios
  double controlPerChar;  // ns per added character since the length before;
  double barePerChar;     // not a number for the first length
  double trialSpread;     // half the range of the trial ratios the batch was sized on
};

// What the figures were measured on: the build, or the simulation and its
// instrumentation.
std::string DescribePlatform();

// The CPUs this process may run on, as the system reads them back, and
// whether that makes figures that compare: on one CPU the program and the
// wine server never wait for each other's CPU to wake up.
std::string DescribeAffinity();

// `way` names how WriteEvent was called, in the heading and the verdict on
// the target; a target that is not a number means there is none.
void PrintTable(std::ostream& out, const char* way, const std::vector<Measurement>& rows,
                double targetRatio);

}  // namespace bench
