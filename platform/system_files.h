// Whether a file is there, as a program of either bitness asks on 64-bit
// Windows: a 32-bit program sees the 32-bit system directory, SysWOW64,
// under the name System32, unless it turns that redirection off.
#pragma once

#include "platform/types.h"

namespace platform {

DWORD ExpandEnvironmentStringsW(LPCWSTR source, LPWSTR destination, DWORD size);
DWORD GetFileAttributesW(LPCWSTR fileName);
// 64-bit Windows only: on 32-bit Windows the entry points are not there.
BOOL Wow64DisableWow64FsRedirection(PVOID* oldValue);
BOOL Wow64RevertWow64FsRedirection(PVOID oldValue);

}  // namespace platform
