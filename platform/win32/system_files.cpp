#include "platform/system_files.h"

#include "platform/win32/binding.h"

namespace platform {

using win32::Bind;
using win32::kKernel32;

DWORD ExpandEnvironmentStringsW(LPCWSTR source, LPWSTR destination, DWORD size) {
  static const auto fn =
      Bind<decltype(&::ExpandEnvironmentStringsW)>(kKernel32, "ExpandEnvironmentStringsW");
  return fn(source, destination, size);
}

DWORD GetFileAttributesW(LPCWSTR fileName) {
  static const auto fn = Bind<decltype(&::GetFileAttributesW)>(kKernel32, "GetFileAttributesW");
  return fn(fileName);
}

BOOL Wow64DisableWow64FsRedirection(PVOID* oldValue) {
  static const auto fn = Bind<decltype(&::Wow64DisableWow64FsRedirection)>(
      kKernel32, "Wow64DisableWow64FsRedirection");
  return fn(oldValue);
}

BOOL Wow64RevertWow64FsRedirection(PVOID oldValue) {
  static const auto fn = Bind<decltype(&::Wow64RevertWow64FsRedirection)>(
      kKernel32, "Wow64RevertWow64FsRedirection");
  return fn(oldValue);
}

}  // namespace platform
