// What the benchmark sets side by side for one message: a WriteEvent call on
// a control, and the bare sequence of system calls that call must make.
#pragma once

#include <string>

#include "control/Scribbet.h"

namespace bench {

class WriteEventPair {
 public:
  // A message of printable ASCII characters: one byte each in every ANSI
  // code page and back unchanged, so its conversion is the same work on
  // both sides.
  explicit WriteEventPair(int length);

  // Each reports one information entry and says whether it was accepted.
  bool ViaControl();
  bool Bare();

  // Puts the machine as it is for every call but a source's first: the
  // source registered. On the simulated machine this starts afresh, which
  // also drops the records of earlier batches that would otherwise grow
  // with every call and slow the later batches down.
  void Prepare();

  // What both sides report: for other callers of the same control and log.
  const std::u16string& message() const { return message_; }
  const std::u16string& source() const { return source_; }

 private:
  scribbet::Scribbet control_;
  std::u16string message_;
  std::u16string source_;
};

}  // namespace bench
