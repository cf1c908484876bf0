// Threads and a lock for the Windows test programs. They are built with the
// compilers the product is built with, whose C++ library has no std::thread
// or std::mutex; these stand in for the little the tests need of them.
#pragma once

#include <windows.h>
#include <process.h>

#include <functional>
#include <memory>
#include <stdexcept>
#include <utility>

namespace testing_support {

// A thread that runs one function and is joined at the latest when it goes.
class Thread {
 public:
  template <typename Function, typename... Arguments>
  explicit Thread(Function&& function, Arguments&&... arguments)
      : body_(std::make_unique<std::function<void()>>(
            std::bind(std::forward<Function>(function), std::forward<Arguments>(arguments)...))) {
    // _beginthreadex rather than CreateThread: the C run-time sets the thread up.
    handle_ = reinterpret_cast<HANDLE>(::_beginthreadex(nullptr, 0, Run, body_.get(), 0, nullptr));
    if (!handle_) throw std::runtime_error("the thread could not be started");
  }
  Thread(Thread&& other) noexcept
      : body_(std::move(other.body_)), handle_(std::exchange(other.handle_, nullptr)) {}
  Thread& operator=(Thread&&) = delete;
  Thread(const Thread&) = delete;
  ~Thread() { join(); }

  bool joinable() const { return handle_ != nullptr; }
  void join() {
    if (!handle_) return;
    ::WaitForSingleObject(handle_, INFINITE);
    ::CloseHandle(std::exchange(handle_, nullptr));
  }

 private:
  static unsigned __stdcall Run(void* body) {
    (*static_cast<std::function<void()>*>(body))();
    return 0;
  }

  std::unique_ptr<std::function<void()>> body_;  // where the thread finds it, whatever moves
  HANDLE handle_ = nullptr;
};

// A lock for std::lock_guard.
class CriticalSection {
 public:
  CriticalSection() { ::InitializeCriticalSection(&section_); }
  ~CriticalSection() { ::DeleteCriticalSection(&section_); }
  CriticalSection(const CriticalSection&) = delete;
  CriticalSection& operator=(const CriticalSection&) = delete;
  void lock() { ::EnterCriticalSection(&section_); }
  void unlock() { ::LeaveCriticalSection(&section_); }

 private:
  CRITICAL_SECTION section_;
};

}  // namespace testing_support
