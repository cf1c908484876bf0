#include "platform/registry.h"

#include "platform/win32/binding.h"

namespace platform {

using win32::Bind;
using win32::kAdvapi32;

LONG RegCreateKeyExA(HKEY key, LPCSTR subKey, DWORD reserved, LPSTR keyClass, DWORD options,
                     REGSAM access, LPSECURITY_ATTRIBUTES security, PHKEY result,
                     LPDWORD disposition) {
  static const auto fn = Bind<decltype(&::RegCreateKeyExA)>(kAdvapi32, "RegCreateKeyExA");
  return fn(key, subKey, reserved, keyClass, options, access, security, result, disposition);
}

LONG RegOpenKeyExA(HKEY key, LPCSTR subKey, DWORD options, REGSAM access, PHKEY result) {
  static const auto fn = Bind<decltype(&::RegOpenKeyExA)>(kAdvapi32, "RegOpenKeyExA");
  return fn(key, subKey, options, access, result);
}

LONG RegSetValueExA(HKEY key, LPCSTR valueName, DWORD reserved, DWORD type, const BYTE* data,
                    DWORD size) {
  static const auto fn = Bind<decltype(&::RegSetValueExA)>(kAdvapi32, "RegSetValueExA");
  return fn(key, valueName, reserved, type, data, size);
}


LONG RegQueryValueExA(HKEY key, LPCSTR valueName, LPDWORD reserved, LPDWORD type, LPBYTE data,
                      LPDWORD size) {
  static const auto fn = Bind<decltype(&::RegQueryValueExA)>(kAdvapi32, "RegQueryValueExA");
  return fn(key, valueName, reserved, type, data, size);
}

LONG RegDeleteKeyA(HKEY key, LPCSTR subKey) {
  static const auto fn = Bind<decltype(&::RegDeleteKeyA)>(kAdvapi32, "RegDeleteKeyA");
  return fn(key, subKey);
}

LONG RegDeleteValueA(HKEY key, LPCSTR valueName) {
  static const auto fn = Bind<decltype(&::RegDeleteValueA)>(kAdvapi32, "RegDeleteValueA");
  return fn(key, valueName);
}

LONG RegCloseKey(HKEY key) {
  static const auto fn = Bind<decltype(&::RegCloseKey)>(kAdvapi32, "RegCloseKey");
  return fn(key);
}

LONG RegCreateKeyExW(HKEY key, LPCWSTR subKey, DWORD reserved, LPWSTR keyClass, DWORD options,
                     REGSAM access, LPSECURITY_ATTRIBUTES security, PHKEY result,
                     LPDWORD disposition) {
  static const auto fn = Bind<decltype(&::RegCreateKeyExW)>(kAdvapi32, "RegCreateKeyExW");
  return fn(key, subKey, reserved, keyClass, options, access, security, result, disposition);
}

LONG RegOpenKeyExW(HKEY key, LPCWSTR subKey, DWORD options, REGSAM access, PHKEY result) {
  static const auto fn = Bind<decltype(&::RegOpenKeyExW)>(kAdvapi32, "RegOpenKeyExW");
  return fn(key, subKey, options, access, result);
}

LONG RegSetValueExW(HKEY key, LPCWSTR valueName, DWORD reserved, DWORD type, const BYTE* data,
                    DWORD size) {
  static const auto fn = Bind<decltype(&::RegSetValueExW)>(kAdvapi32, "RegSetValueExW");
  return fn(key, valueName, reserved, type, data, size);
}

LONG RegQueryValueExW(HKEY key, LPCWSTR valueName, LPDWORD reserved, LPDWORD type, LPBYTE data,
                      LPDWORD size) {
  static const auto fn = Bind<decltype(&::RegQueryValueExW)>(kAdvapi32, "RegQueryValueExW");
  return fn(key, valueName, reserved, type, data, size);
}

LONG RegEnumKeyExW(HKEY key, DWORD index, LPWSTR name, LPDWORD nameLength, LPDWORD reserved,
                   LPWSTR keyClass, LPDWORD classLength, PFILETIME lastWriteTime) {
  static const auto fn = Bind<decltype(&::RegEnumKeyExW)>(kAdvapi32, "RegEnumKeyExW");
  return fn(key, index, name, nameLength, reserved, keyClass, classLength, lastWriteTime);
}

LONG RegEnumValueW(HKEY key, DWORD index, LPWSTR valueName, LPDWORD nameLength,
                   LPDWORD reserved, LPDWORD type, LPBYTE data, LPDWORD size) {
  static const auto fn = Bind<decltype(&::RegEnumValueW)>(kAdvapi32, "RegEnumValueW");
  return fn(key, index, valueName, nameLength, reserved, type, data, size);
}

LONG RegDeleteKeyW(HKEY key, LPCWSTR subKey) {
  static const auto fn = Bind<decltype(&::RegDeleteKeyW)>(kAdvapi32, "RegDeleteKeyW");
  return fn(key, subKey);
}

LONG RegDeleteValueW(HKEY key, LPCWSTR valueName) {
  static const auto fn = Bind<decltype(&::RegDeleteValueW)>(kAdvapi32, "RegDeleteValueW");
  return fn(key, valueName);
}

}  // namespace platform
