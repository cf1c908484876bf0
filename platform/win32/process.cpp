#include "platform/process.h"

#include "platform/win32/binding.h"

namespace platform {

using win32::Bind;
using win32::kKernel32;

BOOL CreateProcessA(LPCSTR applicationName, LPSTR commandLine,
                    LPSECURITY_ATTRIBUTES processAttributes,
                    LPSECURITY_ATTRIBUTES threadAttributes, BOOL inheritHandles,
                    DWORD creationFlags, LPVOID environment, LPCSTR currentDirectory,
                    LPSTARTUPINFOA startupInfo, LPPROCESS_INFORMATION processInformation) {
  static const auto fn = Bind<decltype(&::CreateProcessA)>(kKernel32, "CreateProcessA");
  return fn(applicationName, commandLine, processAttributes, threadAttributes, inheritHandles,
            creationFlags, environment, currentDirectory, startupInfo, processInformation);
}

BOOL CloseHandle(HANDLE handle) {
  static const auto fn = Bind<decltype(&::CloseHandle)>(kKernel32, "CloseHandle");
  return fn(handle);
}

DWORD GetModuleFileNameA(HMODULE module, LPSTR fileName, DWORD size) {
  static const auto fn =
      Bind<decltype(&::GetModuleFileNameA)>(kKernel32, "GetModuleFileNameA");
  return fn(module, fileName, size);
}

HANDLE GetCurrentProcess() {
  static const auto fn = Bind<decltype(&::GetCurrentProcess)>(kKernel32, "GetCurrentProcess");
  return fn();
}

BOOL IsWow64Process(HANDLE process, PBOOL wow64) {
  // Declared by windows.h only for newer targets than the one we build for.
  using Function = BOOL(WINAPI*)(HANDLE, PBOOL);
  static const auto fn = Bind<Function>(kKernel32, "IsWow64Process");
  return fn(process, wow64);
}

}  // namespace platform
