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

LONG RegSetValueExW(HKEY key, LPCWSTR valueName, DWORD reserved, DWORD type, const BYTE* data,
                    DWORD size) {
  static const auto fn = Bind<decltype(&::RegSetValueExW)>(kAdvapi32, "RegSetValueExW");
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

}  // namespace platform
