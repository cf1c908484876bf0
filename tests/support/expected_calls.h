// Calls a test expects of its mock objects, as Wine's tests expect them
// (SET_EXPECT, CHECK_EXPECT, CHECK_CALLED): a call that was not expected next
// fails at once, at the call itself, and one that was expected but never
// came fails where the test checks.
#pragma once

#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <string_view>
#include <vector>

namespace testing_support {

class ExpectedCalls {
 public:
  // These calls come next, in this order.
  void Expect(const std::vector<std::string>& calls) {
    expected_.insert(expected_.end(), calls.begin(), calls.end());
  }
  // What a mock's method says first.
  void Called(std::string_view call) {
    if (expected_.empty() || expected_.front() != call) {
      ADD_FAILURE() << "unexpected call " << call
                    << (expected_.empty() ? std::string() : ", expected " + expected_.front());
      return;
    }
    expected_.pop_front();
  }
  // Every call expected so far has come.
  void CheckCalled() {
    for (const std::string& call : expected_)
      ADD_FAILURE() << "expected call " << call << " never came";
    expected_.clear();
  }
  ~ExpectedCalls() { CheckCalled(); }

 private:
  std::deque<std::string> expected_;
};

}  // namespace testing_support
