// The window procedure of a window that belongs to an object: the object's
// address lives in the window's user data, and its OnMessage answers. No
// exception may leave a window procedure (Windows cannot carry it), so
// whatever escapes ends here.
#pragma once

#include <string>

#include "platform/errors.h"
#include "platform/ui.h"

namespace windowing {

// A window or control the system would not create, as its owner reports it.
[[noreturn]] inline void RaiseCannotCreate(const std::string& what) {
  throw platform::RuntimeError(platform::ErrorNumber::OutOfMemory, "Cannot create " + what);
}

template <typename Owner, LRESULT (Owner::*OnMessage)(HWND, UINT, WPARAM, LPARAM)>
LRESULT CALLBACK OwnedWindowProcedure(HWND window, UINT message, WPARAM wParam,
                                      LPARAM lParam) noexcept {
  try {
    auto* owner = reinterpret_cast<Owner*>(platform::GetWindowLongPtrA(window, GWLP_USERDATA));
    if (owner) return (owner->*OnMessage)(window, message, wParam, lParam);
    return platform::DefWindowProcA(window, message, wParam, lParam);
  } catch (...) {
    return 0;
  }
}

}  // namespace windowing
