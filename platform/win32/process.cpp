#include "platform/process.h"

#include "platform/win32/binding.h"

namespace platform {

BOOL CreateProcessA(LPCSTR applicationName, LPSTR commandLine,
                    LPSECURITY_ATTRIBUTES processAttributes, LPSECURITY_ATTRIBUTES threadAttributes,
                    BOOL inheritHandles, DWORD creationFlags, LPVOID environment,
                    LPCSTR currentDirectory, LPSTARTUPINFOA startupInfo,
                    LPPROCESS_INFORMATION processInformation) {
  return PLATFORM_BIND(kKernel32, CreateProcessA)(
      applicationName, commandLine, processAttributes, threadAttributes, inheritHandles,
      creationFlags, environment, currentDirectory, startupInfo, processInformation);
}

BOOL CloseHandle(HANDLE handle) { return PLATFORM_BIND(kKernel32, CloseHandle)(handle); }

DWORD GetModuleFileNameA(HMODULE module, LPSTR fileName, DWORD size) {
  return PLATFORM_BIND(kKernel32, GetModuleFileNameA)(module, fileName, size);
}

HANDLE GetCurrentProcess() { return PLATFORM_BIND(kKernel32, GetCurrentProcess)(); }

BOOL IsWow64Process(HANDLE process, PBOOL wow64) {
  return PLATFORM_BIND(kKernel32, IsWow64Process)(process, wow64);
}

}  // namespace platform
