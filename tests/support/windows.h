// What the window tests share on both platforms.
#pragma once

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/process.h"
#include "platform/ui.h"
#include "platform/sim/control.h"
#include "tests/support/machine.h"
#ifdef _WIN32
#include <windows.h>
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

// The command lines the simulated machine started, each as the URL handler
// is started: minimized and active, without an application name.
inline std::vector<std::string> UrlHandlerStarts() {
  std::vector<std::string> lines;
  for (const auto& start : platform::sim::ProcessStarts()) {
    EXPECT_EQ(start.flags, STARTF_USESHOWWINDOW);
    EXPECT_EQ(start.showWindow, 2) << "not minimized and active";
    EXPECT_FALSE(start.hasApplicationName);
    lines.push_back(start.commandLine);
  }
  return lines;
}

// After a window's owner is gone: no window, screen device context or
// process handle of the simulated machine may be left behind. Only the
// simulated machine counts them.
inline void ExpectNothingLeftOpen(const char* owner) {
  if constexpr (kSimulated) {
    EXPECT_TRUE(platform::sim::Windows().empty()) << "a window outlived the " << owner;
    EXPECT_EQ(platform::sim::OpenDeviceContexts(), 0) << "the screen's device context was kept";
    EXPECT_EQ(platform::sim::OpenKernelHandles(), 0) << "a started process's handle was kept";
  }
}

}  // namespace testing_support
