// What a helper program started by Setup needs of kernel32 to take its input
// from its environment and hand a report back in a file, or read one it left
// earlier (Windows only).
#pragma once

#include "platform/types.h"

namespace platform {

DWORD GetEnvironmentVariableW(LPCWSTR name, LPWSTR buffer, DWORD size);
HANDLE CreateFileW(LPCWSTR name, DWORD access, DWORD share, LPSECURITY_ATTRIBUTES security,
                   DWORD disposition, DWORD flags, HANDLE templateFile);
BOOL WriteFile(HANDLE file, LPCVOID data, DWORD size, LPDWORD written, LPOVERLAPPED overlapped);
BOOL ReadFile(HANDLE file, LPVOID data, DWORD size, LPDWORD read, LPOVERLAPPED overlapped);

}  // namespace platform
