// What the running process holds of the system: kernel handles, private
// memory, GDI and USER objects. Read before and after a workload to see
// whether it keeps anything.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

namespace com_testing {

struct ProcessUsage {
  DWORD handles = 0;
  std::uint64_t privateBytes = 0;
  DWORD gdiObjects = 0;
  DWORD userObjects = 0;

  static ProcessUsage Now();
  std::string Describe() const;
};

// Fails the current test when any count grew beyond its allowance.
void ExpectNoGrowth(const ProcessUsage& before, const ProcessUsage& after, DWORD handleAllowance,
                    std::uint64_t byteAllowance, const std::string& when);

}  // namespace com_testing
