// Shared set-up of the WriteEvent tests: a control, a trace of the entries
// reported since the test began, and the key of a source by name.
#pragma once

#include <gtest/gtest.h>

#include "control/Scribbet.h"
#include "tests/support/event_trace.h"
#include "tests/support/machine.h"
#include "platform/sim/control.h"

class WriteEventTest : public ::testing::Test {
 protected:
  void SetUp() override {
    testing_support::ResetMachine();
    trace.emplace();
  }
  void TearDown() override {
    if constexpr (testing_support::kSimulated) {
      const auto open = platform::sim::CountOpenHandles();
      EXPECT_EQ(open, (platform::sim::OpenHandles{0, 0, 0})) << "a handle or buffer was left open";
    }
  }

  static std::u16string SourceKey(const std::u16string& name) { return scribbet::SourceKeyPath(name); }

  // One call with fresh variables; the caller's variables are returned too.
  struct Call {
    std::int16_t result;
    std::u16string message;
    std::int16_t type;
    std::u16string name;
  };
  Call Write(std::u16string message, std::int16_t type, std::u16string name) {
    const std::int16_t result = control.WriteEvent(message, type, name);
    return Call{result, message, type, name};
  }

  std::vector<eventlog_reader::ReportedEvent> Events() const { return trace->NewEvents(); }

  scribbet::Scribbet control;
  std::optional<testing_support::EventTrace> trace;
};
