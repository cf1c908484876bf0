// Stands in for Scribbet.ocx in a setup the installer tests make: its
// registration fails, and on its way puts a folder where the installed
// help.htm is, so that Setup cannot put that file back: a failed upgrade
// whose take-back meets a file it cannot write.
#include <windows.h>

#include <string>

#include "scribbet_names.h"

extern "C" __declspec(dllexport) HRESULT __stdcall DllRegisterServer() {
  wchar_t folder[MAX_PATH] = {};
  DWORD size = sizeof folder - sizeof(wchar_t);
  HKEY entry = nullptr;
  LONG status =
      ::RegOpenKeyExW(HKEY_LOCAL_MACHINE, L"" SCRIBBET_UNINSTALL_KEY, 0, KEY_QUERY_VALUE, &entry);
  if (status == ERROR_SUCCESS) {
    status = ::RegQueryValueExW(entry, L"InstallLocation", nullptr, nullptr,
                                reinterpret_cast<BYTE*>(folder), &size);
    ::RegCloseKey(entry);
  }
  if (status == ERROR_SUCCESS) {
    const char help[] = SCRIBBET_HELP_FILE;
    const std::wstring file = std::wstring(folder) + L"\\" + std::wstring(help, help + sizeof help - 1);
    ::DeleteFileW(file.c_str());
    ::CreateDirectoryW(file.c_str(), nullptr);
    HANDLE inside = ::CreateFileW((file + L"\\in the way").c_str(), GENERIC_WRITE, 0, nullptr,
                                  CREATE_ALWAYS, 0, nullptr);
    ::CloseHandle(inside);
  }
  return E_FAIL;
}

extern "C" __declspec(dllexport) HRESULT __stdcall DllUnregisterServer() { return S_OK; }
