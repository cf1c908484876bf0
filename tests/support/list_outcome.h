// One row of a table of lists Setup reads: with no refusal, the call gives
// the row's result; with one, it raises SourceListError with a message that
// holds the refusal's words.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "installer/sources/source_list.h"
#include "tests/support/machine.h"

namespace testing_support {

template <class Call, class Result>
void ExpectListOutcome(const Call& call, const Result& expected, const std::u16string& refusal) {
  if (refusal.empty()) {
    EXPECT_EQ(call(), expected);
    return;
  }
  try {
    call();
    ADD_FAILURE() << "accepted";
  } catch (const scribbet::setup::SourceListError& error) {
    EXPECT_NE(error.message().find(refusal), std::u16string::npos) << Utf8(error.message());
  }
}

}  // namespace testing_support
