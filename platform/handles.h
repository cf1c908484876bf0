// One owner template for every kind of handle the system acquires, and a
// one-line alias per kind of handle the platform's functions hand out. The
// release runs in the destructor, so a handle is given back on every path out
// of the call that took it, errors included. (What COM and GDI hand the
// control directly has its owners beside the COM code, control/com/owners.h.)
#pragma once

#include <utility>

#include "platform/eventlog.h"
#include "platform/process.h"
#include "platform/registry.h"
#include "platform/sysinfo.h"
#include "platform/ui.h"
#ifdef _WIN32
#include "platform/msi.h"
#endif

namespace platform {

template <typename Handle, auto Release>
class unique_handle {
 public:
  unique_handle() = default;
  explicit unique_handle(Handle handle) noexcept : handle_(handle) {}
  unique_handle(const unique_handle&) = delete;
  unique_handle& operator=(const unique_handle&) = delete;
  unique_handle(unique_handle&& other) noexcept : handle_(other.release()) {}
  unique_handle& operator=(unique_handle&& other) noexcept {
    reset(other.release());
    return *this;
  }
  ~unique_handle() { reset(); }

  Handle get() const noexcept { return handle_; }
  // The owned handle's place, for calls that read it and may replace it.
  Handle* addressof() noexcept { return &handle_; }
  // The place for a call that hands out a new handle through an
  // out-parameter: the handle owned until now is released first.
  Handle* put() noexcept {
    reset();
    return &handle_;
  }
  explicit operator bool() const noexcept { return handle_ != Handle{}; }
  Handle release() noexcept { return std::exchange(handle_, Handle{}); }

  // Releases the handle now and lets a failure of the release itself (a
  // release function that cannot be bound) reach the caller, for calls whose
  // releases are part of what they promise. The handle is given up either way.
  void close() {
    const Handle old = release();
    if (old != Handle{}) Release(old);
  }

  void reset(Handle handle = Handle{}) noexcept {
    Handle old = std::exchange(handle_, handle);
    if (old == Handle{}) return;
    // A release function that cannot even be bound leaves nothing better to
    // do than to keep going; an exception must not leave a destructor.
    try {
      Release(old);
    } catch (...) {
    }
  }

 private:
  Handle handle_{};
};

using unique_hkey = unique_handle<HKEY, &RegCloseKey>;
using unique_event_source = unique_handle<HANDLE, &DeregisterEventSource>;
using unique_hglobal = unique_handle<HGLOBAL, &GlobalFree>;
using unique_kernel_handle = unique_handle<HANDLE, &CloseHandle>;
using unique_hwnd = unique_handle<HWND, &DestroyWindow>;
using unique_screen_dc = unique_handle<HDC, &ReleaseScreenDC>;
#ifdef _WIN32
using unique_msihandle = unique_handle<MSIHANDLE, &MsiCloseHandle>;
#endif

// The status of a registry call that handed out a key through put(). A call
// that failed hands out no key: whatever it left in the out-parameter is
// given up, not closed.
inline LONG KeepIfOpened(unique_hkey& key, LONG status) noexcept {
  if (status != ERROR_SUCCESS) key.release();
  return status;
}

}  // namespace platform
