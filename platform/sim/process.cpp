// Simulated process start and module name: starts are recorded, not run.
#include <cstring>

#include "platform/process.h"
#include "platform/sim/state.h"

namespace platform {

BOOL CreateProcessA(LPCSTR applicationName, LPSTR commandLine, LPSECURITY_ATTRIBUTES,
                    LPSECURITY_ATTRIBUTES, BOOL, DWORD, LPVOID, LPCSTR,
                    LPSTARTUPINFOA startupInfo, LPPROCESS_INFORMATION processInformation) {
  auto m = sim::Lock();
  if (sim::Enter(m.machine, PLATFORM_ENTRY_POINT(kKernel32, CreateProcessA))) return {};
  if (!startupInfo || !processInformation) return FALSE;
  m->processStarts.push_back({commandLine ? commandLine : "", applicationName != nullptr,
                              startupInfo->dwFlags, startupInfo->wShowWindow});
  processInformation->hProcess = reinterpret_cast<HANDLE>(m->NewHandle());
  processInformation->hThread = reinterpret_cast<HANDLE>(m->NewHandle());
  processInformation->dwProcessId = 100;
  processInformation->dwThreadId = 101;
  m->kernelHandles.insert(processInformation->hProcess);
  m->kernelHandles.insert(processInformation->hThread);
  return TRUE;
}

BOOL CloseHandle(HANDLE handle) {
  auto m = sim::Lock();
  if (sim::Enter(m.machine, PLATFORM_ENTRY_POINT(kKernel32, CloseHandle))) return {};
  return m->kernelHandles.erase(handle) ? TRUE : FALSE;
}

// As Windows XP and later: a name that does not fit is cut to size - 1
// characters and a zero, and the full size is returned.
DWORD GetModuleFileNameA(HMODULE, LPSTR fileName, DWORD size) {
  auto m = sim::Lock();
  if (sim::Enter(m.machine, PLATFORM_ENTRY_POINT(kKernel32, GetModuleFileNameA))) return {};
  if (size == 0) return 0;
  const std::string& name = m->moduleFileName;
  const DWORD length = static_cast<DWORD>(name.size());
  const DWORD copied = length < size ? length : size - 1;
  std::memcpy(fileName, name.data(), copied);
  fileName[copied] = '\0';
  return length < size ? length : size;
}

// The pseudo handle Windows gives for the calling process.
static HANDLE const kCurrentProcess = reinterpret_cast<HANDLE>(static_cast<LONG_PTR>(-1));

HANDLE GetCurrentProcess() {
  auto m = sim::Lock();
  if (sim::Enter(m.machine, PLATFORM_ENTRY_POINT(kKernel32, GetCurrentProcess))) return {};
  return kCurrentProcess;
}

BOOL IsWow64Process(HANDLE process, PBOOL wow64) {
  auto m = sim::Lock();
  if (sim::Enter(m.machine, PLATFORM_ENTRY_POINT(kKernel32, IsWow64Process))) return {};
  if (process != kCurrentProcess || !wow64) return FALSE;
  *wow64 = m->wow64 ? TRUE : FALSE;
  return TRUE;
}

namespace sim {

std::vector<ProcessStart> ProcessStarts() { return Lock()->processStarts; }
int OpenKernelHandles() { return static_cast<int>(Lock()->kernelHandles.size()); }
void SetModuleFileName(const std::string& path) { Lock()->moduleFileName = path; }
void SetWow64(bool wow64) { Lock()->wow64 = wow64; }

}  // namespace sim

}  // namespace platform
