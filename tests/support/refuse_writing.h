// Windows only: gives a registry key a security that lets everyone read it,
// delete it and change its security again, and nothing else, as for a key
// whose owner lets others see it but not write into it. Wine enforces a
// key's security even for its own all-powerful account, so this is how a
// test under Wine meets a key that refuses writing. The unit tests and the
// installer tests' lock_key use it.
#pragma once

#include <windows.h>
#include <aclapi.h>

namespace testing_support {

// Everyone gets RIGHTS on the key, and no one more. The status of the first
// step that failed, or ERROR_SUCCESS.
inline DWORD SetEveryonesRights(HKEY root, const wchar_t* path, DWORD rights) {
  HKEY key = nullptr;
  LONG status = ::RegOpenKeyExW(root, path, 0, WRITE_DAC, &key);
  if (status != ERROR_SUCCESS) return static_cast<DWORD>(status);
  SID_IDENTIFIER_AUTHORITY world = SECURITY_WORLD_SID_AUTHORITY;
  PSID everyone = nullptr;
  if (!::AllocateAndInitializeSid(&world, 1, SECURITY_WORLD_RID, 0, 0, 0, 0, 0, 0, 0, &everyone)) {
    status = static_cast<LONG>(::GetLastError());
    ::RegCloseKey(key);
    return static_cast<DWORD>(status);
  }
  EXPLICIT_ACCESSW access{};
  access.grfAccessPermissions = rights;
  access.grfAccessMode = SET_ACCESS;
  access.grfInheritance = NO_INHERITANCE;
  access.Trustee.TrusteeForm = TRUSTEE_IS_SID;
  access.Trustee.TrusteeType = TRUSTEE_IS_WELL_KNOWN_GROUP;
  access.Trustee.ptstrName = static_cast<LPWSTR>(everyone);
  PACL acl = nullptr;
  DWORD result = ::SetEntriesInAclW(1, &access, nullptr, &acl);
  // Protected: nothing inherited from the parent key adds rights back.
  if (result == ERROR_SUCCESS)
    result = ::SetSecurityInfo(key, SE_REGISTRY_KEY,
                               DACL_SECURITY_INFORMATION | PROTECTED_DACL_SECURITY_INFORMATION,
                               nullptr, nullptr, acl, nullptr);
  ::LocalFree(acl);
  ::FreeSid(everyone);
  ::RegCloseKey(key);
  return result;
}

inline DWORD RefuseWriting(HKEY root, const wchar_t* path) {
  return SetEveryonesRights(root, path, KEY_READ | DELETE | WRITE_DAC);
}

}  // namespace testing_support
