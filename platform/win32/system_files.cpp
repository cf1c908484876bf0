#include "platform/system_files.h"

#include "platform/win32/binding.h"

namespace platform {

DWORD ExpandEnvironmentStringsW(LPCWSTR source, LPWSTR destination, DWORD size) {
  return PLATFORM_BIND(kKernel32, ExpandEnvironmentStringsW)(source, destination, size);
}

DWORD GetFileAttributesW(LPCWSTR fileName) {
  return PLATFORM_BIND(kKernel32, GetFileAttributesW)(fileName);
}

BOOL Wow64DisableWow64FsRedirection(PVOID* oldValue) {
  return PLATFORM_BIND(kKernel32, Wow64DisableWow64FsRedirection)(oldValue);
}

BOOL Wow64RevertWow64FsRedirection(PVOID oldValue) {
  return PLATFORM_BIND(kKernel32, Wow64RevertWow64FsRedirection)(oldValue);
}

}  // namespace platform
