#include "bench/write_event_pair.h"

#include <cstdint>

#include "bench/bare_sequence.h"
#ifndef _WIN32
#include "platform/sim/control.h"
#endif

namespace bench {

namespace {

constexpr char16_t kSource[] = u"Scribbet Benchmark";
constexpr std::int16_t kInformation = 3;  // as a caller passes it

std::u16string Message(int length) {
  std::u16string text(static_cast<std::size_t>(length), u' ');
  for (int i = 0; i < length; ++i) text[i] = static_cast<char16_t>(u'!' + i % 94);
  return text;
}

}  // namespace

WriteEventPair::WriteEventPair(int length) : message_(Message(length)), source_(kSource) {}

bool WriteEventPair::ViaControl() {
  std::int16_t type = kInformation;  // a fresh variable: the call leaves 4 in it
  return control_.WriteEvent(message_, type, source_) == 1;
}

bool WriteEventPair::Bare() {
  return BareWriteEvent(message_, EVENTLOG_INFORMATION_TYPE, source_) != FALSE;
}

void WriteEventPair::Prepare() {
#ifndef _WIN32
  // A fresh simulated machine: the records of earlier rounds go.
  platform::sim::Reset();
#endif
  std::u16string message = u"registration";
  std::int16_t type = kInformation;
  control_.WriteEvent(message, type, source_);
}

}  // namespace bench
