#include "tests/wine/com/process_usage.h"

#include <psapi.h>

#include <gtest/gtest.h>

#include <sstream>

namespace com_testing {

ProcessUsage ProcessUsage::Now() {
  ProcessUsage usage;
  HANDLE self = ::GetCurrentProcess();
  ::GetProcessHandleCount(self, &usage.handles);
  PROCESS_MEMORY_COUNTERS_EX memory = {};
  memory.cb = sizeof memory;
  if (::GetProcessMemoryInfo(self, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory),
                             sizeof memory))
    usage.privateBytes = memory.PrivateUsage;
  usage.gdiObjects = ::GetGuiResources(self, GR_GDIOBJECTS);
  usage.userObjects = ::GetGuiResources(self, GR_USEROBJECTS);
  return usage;
}

std::string ProcessUsage::Describe() const {
  std::ostringstream text;
  text << "handles " << handles << ", private bytes " << privateBytes << ", GDI objects "
       << gdiObjects << ", USER objects " << userObjects;
  return text.str();
}

void ExpectNoGrowth(const ProcessUsage& before, const ProcessUsage& after, DWORD handleAllowance,
                    std::uint64_t byteAllowance, const std::string& when) {
  EXPECT_LE(after.handles, before.handles + handleAllowance) << when;
  EXPECT_LE(after.privateBytes, before.privateBytes + byteAllowance) << when;
  EXPECT_LE(after.gdiObjects, before.gdiObjects) << when;
  EXPECT_LE(after.userObjects, before.userObjects) << when;
}

}  // namespace com_testing
