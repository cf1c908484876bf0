#include "tests/wine/com/process_usage.h"

#include <psapi.h>

#include <gtest/gtest.h>

#include <sstream>
#include <vector>

namespace com_testing {

namespace {

// Wine's GetProcessHandleCount answers 0; its list of the system's handles
// is complete, so the process's own entries are counted there instead.
struct HandleEntry {
  ULONG ownerPid;
  UCHAR objectType;
  UCHAR flags;
  USHORT value;
  PVOID object;
  ACCESS_MASK access;
};
struct HandleList {
  ULONG count;
  HandleEntry entries[1];
};

DWORD HandlesInSystemList() {
  using Query = LONG(WINAPI*)(int, PVOID, ULONG, PULONG);
  auto query = reinterpret_cast<Query>(reinterpret_cast<void (*)()>(
      ::GetProcAddress(::GetModuleHandleA("ntdll.dll"), "NtQuerySystemInformation")));
  if (!query) return 0;
  constexpr int kSystemHandleInformation = 16;
  constexpr LONG kInfoLengthMismatch = static_cast<LONG>(0xC0000004);
  std::vector<char> buffer(1 << 16);
  LONG status;
  ULONG needed = 0;
  while ((status = query(kSystemHandleInformation, buffer.data(),
                         static_cast<ULONG>(buffer.size()), &needed)) == kInfoLengthMismatch)
    buffer.resize(buffer.size() * 2);
  if (status != 0) return 0;
  const auto* list = reinterpret_cast<const HandleList*>(buffer.data());
  DWORD own = 0;
  for (ULONG i = 0; i < list->count; ++i)
    if (list->entries[i].ownerPid == ::GetCurrentProcessId()) ++own;
  return own;
}

}  // namespace

ProcessUsage ProcessUsage::Now() {
  ProcessUsage usage;
  HANDLE self = ::GetCurrentProcess();
  if (!::GetProcessHandleCount(self, &usage.handles) || usage.handles == 0)
    usage.handles = HandlesInSystemList();
  PROCESS_MEMORY_COUNTERS_EX memory = {};
  memory.cb = sizeof memory;
  if (::GetProcessMemoryInfo(self, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory),
                             sizeof memory))
    // Windows reports the private commit twice; Wine fills only the older field.
    usage.privateBytes = memory.PrivateUsage ? memory.PrivateUsage : memory.PagefileUsage;
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
