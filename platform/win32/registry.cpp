#include "platform/registry.h"

#include "platform/win32/binding.h"

namespace platform {

LONG RegCreateKeyExA(HKEY key, LPCSTR subKey, DWORD reserved, LPSTR keyClass, DWORD options,
                     REGSAM access, LPSECURITY_ATTRIBUTES security, PHKEY result,
                     LPDWORD disposition) {
  return PLATFORM_BIND(kAdvapi32, RegCreateKeyExA)(key, subKey, reserved, keyClass, options, access,
                                                   security, result, disposition);
}

LONG RegOpenKeyExA(HKEY key, LPCSTR subKey, DWORD options, REGSAM access, PHKEY result) {
  return PLATFORM_BIND(kAdvapi32, RegOpenKeyExA)(key, subKey, options, access, result);
}

LONG RegSetValueExA(HKEY key, LPCSTR valueName, DWORD reserved, DWORD type, const BYTE* data,
                    DWORD size) {
  return PLATFORM_BIND(kAdvapi32, RegSetValueExA)(key, valueName, reserved, type, data, size);
}


LONG RegQueryValueExA(HKEY key, LPCSTR valueName, LPDWORD reserved, LPDWORD type, LPBYTE data,
                      LPDWORD size) {
  return PLATFORM_BIND(kAdvapi32, RegQueryValueExA)(key, valueName, reserved, type, data, size);
}

LONG RegDeleteKeyA(HKEY key, LPCSTR subKey) {
  return PLATFORM_BIND(kAdvapi32, RegDeleteKeyA)(key, subKey);
}

LONG RegDeleteValueA(HKEY key, LPCSTR valueName) {
  return PLATFORM_BIND(kAdvapi32, RegDeleteValueA)(key, valueName);
}

LONG RegCloseKey(HKEY key) { return PLATFORM_BIND(kAdvapi32, RegCloseKey)(key); }

LONG RegCreateKeyExW(HKEY key, LPCWSTR subKey, DWORD reserved, LPWSTR keyClass, DWORD options,
                     REGSAM access, LPSECURITY_ATTRIBUTES security, PHKEY result,
                     LPDWORD disposition) {
  return PLATFORM_BIND(kAdvapi32, RegCreateKeyExW)(key, subKey, reserved, keyClass, options, access, security, result, disposition);
}

LONG RegOpenKeyExW(HKEY key, LPCWSTR subKey, DWORD options, REGSAM access, PHKEY result) {
  return PLATFORM_BIND(kAdvapi32, RegOpenKeyExW)(key, subKey, options, access, result);
}

LONG RegSetValueExW(HKEY key, LPCWSTR valueName, DWORD reserved, DWORD type, const BYTE* data,
                    DWORD size) {
  return PLATFORM_BIND(kAdvapi32, RegSetValueExW)(key, valueName, reserved, type, data, size);
}

LONG RegQueryValueExW(HKEY key, LPCWSTR valueName, LPDWORD reserved, LPDWORD type, LPBYTE data,
                      LPDWORD size) {
  return PLATFORM_BIND(kAdvapi32, RegQueryValueExW)(key, valueName, reserved, type, data, size);
}

LONG RegEnumKeyExW(HKEY key, DWORD index, LPWSTR name, LPDWORD nameLength, LPDWORD reserved,
                   LPWSTR keyClass, LPDWORD classLength, PFILETIME lastWriteTime) {
  return PLATFORM_BIND(kAdvapi32, RegEnumKeyExW)(key, index, name, nameLength, reserved, keyClass, classLength, lastWriteTime);
}

LONG RegEnumValueW(HKEY key, DWORD index, LPWSTR valueName, LPDWORD nameLength,
                   LPDWORD reserved, LPDWORD type, LPBYTE data, LPDWORD size) {
  return PLATFORM_BIND(kAdvapi32, RegEnumValueW)(key, index, valueName, nameLength, reserved, type, data, size);
}

LONG RegDeleteKeyW(HKEY key, LPCWSTR subKey) {
  return PLATFORM_BIND(kAdvapi32, RegDeleteKeyW)(key, subKey);
}

LONG RegDeleteValueW(HKEY key, LPCWSTR valueName) {
  return PLATFORM_BIND(kAdvapi32, RegDeleteValueW)(key, valueName);
}

}  // namespace platform
