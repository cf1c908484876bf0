// The registry functions of advapi32.dll, with the arguments they take.
#pragma once

#include "platform/types.h"

namespace platform {

LONG RegCreateKeyExA(HKEY key, LPCSTR subKey, DWORD reserved, LPSTR keyClass, DWORD options,
                     REGSAM access, LPSECURITY_ATTRIBUTES security, PHKEY result,
                     LPDWORD disposition);
LONG RegOpenKeyExA(HKEY key, LPCSTR subKey, DWORD options, REGSAM access, PHKEY result);
LONG RegSetValueExA(HKEY key, LPCSTR valueName, DWORD reserved, DWORD type, const BYTE* data,
                    DWORD size);
// Wide, for text the ANSI code page may not hold (a file's path).
LONG RegSetValueExW(HKEY key, LPCWSTR valueName, DWORD reserved, DWORD type, const BYTE* data,
                    DWORD size);
LONG RegQueryValueExA(HKEY key, LPCSTR valueName, LPDWORD reserved, LPDWORD type, LPBYTE data,
                      LPDWORD size);
LONG RegDeleteKeyA(HKEY key, LPCSTR subKey);
LONG RegDeleteValueA(HKEY key, LPCSTR valueName);
LONG RegCloseKey(HKEY key);

}  // namespace platform
