// Calls a test expects of its mocks, as Wine's SET_EXPECT and CHECK_EXPECT:
// a call not expected next fails at once, at the call itself; one expected
// that never came fails where the test checks, or when the mock goes.
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
    if (!expected_.empty() && expected_.front() == call) return expected_.pop_front();
    ADD_FAILURE() << "unexpected call " << call
                  << (expected_.empty() ? std::string() : ", expected " + expected_.front());
  }
  void CheckCalled() {
    for (const std::string& call : expected_) ADD_FAILURE() << call << " was expected, not called";
    expected_.clear();
  }
  ~ExpectedCalls() { CheckCalled(); }

 private:
  std::deque<std::string> expected_;
};

}  // namespace testing_support

// A mock's COM method, in a class with an ExpectedCalls named expected:
// EXPECTED_CALL(ShowObject, (), S_OK) says it was called and answers S_OK.
#define EXPECTED_CALL(name, parameters, hr)                      \
  HRESULT STDMETHODCALLTYPE name parameters noexcept override {  \
    expected.Called(#name);                                      \
    return hr;                                                   \
  }
