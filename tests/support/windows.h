// What the window tests share on both platforms.
#pragma once

#include <string>

#include <gtest/gtest.h>

#include "platform/ui.h"
#ifdef _WIN32
#include <windows.h>
#else
#include "platform/sim/control.h"
#endif

namespace testing_support {

// The instance that window classes of the test program belong to.
inline HINSTANCE ThisProgram() {
#ifdef _WIN32
  return ::GetModuleHandleA(nullptr);
#else
  return nullptr;
#endif
}

// A window's text as the platform gives it.
inline std::string WindowText(HWND window) {
  char buffer[2048] = {};
  platform::GetWindowTextA(window, buffer, sizeof buffer);
  return buffer;
}

#ifndef _WIN32
// After a window's owner is gone: no window, screen device context or
// process handle of the simulated machine may be left behind.
inline void ExpectNothingLeftOpen(const char* owner) {
  EXPECT_TRUE(platform::sim::Windows().empty()) << "a window outlived the " << owner;
  EXPECT_EQ(platform::sim::OpenDeviceContexts(), 0) << "the screen's device context was kept";
  EXPECT_EQ(platform::sim::OpenKernelHandles(), 0) << "a started process's handle was kept";
}
#endif

}  // namespace testing_support
