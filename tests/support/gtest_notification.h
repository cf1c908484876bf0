// GoogleTest's Notification on Windows' own events. GoogleTest 1.12 builds
// it on std::mutex and std::condition_variable, which the C++ library of the
// product's compilers (win32 threads) does not have; everything else of
// GoogleTest's thread support on Windows is its own. This header comes first
// in every file that sees GoogleTest's headers: GoogleTest's own (-include)
// and the test programs' (their precompiled header begins with it).
#pragma once

#include <windows.h>

#define GTEST_HAS_NOTIFICATION_ 1

namespace testing::internal {

class Notification {
 public:
  Notification() : event_(::CreateEventA(nullptr, TRUE, FALSE, nullptr)) {}
  ~Notification() { ::CloseHandle(event_); }
  Notification(const Notification&) = delete;
  Notification& operator=(const Notification&) = delete;
  void Notify() { ::SetEvent(event_); }
  void WaitForNotification() { ::WaitForSingleObject(event_, INFINITE); }

 private:
  HANDLE event_;
};

}  // namespace testing::internal
