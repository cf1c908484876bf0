#include "platform/files.h"

#include "platform/win32/binding.h"

namespace platform {

DWORD GetEnvironmentVariableW(LPCWSTR name, LPWSTR buffer, DWORD size) {
  return PLATFORM_BIND(kKernel32, GetEnvironmentVariableW)(name, buffer, size);
}

HANDLE CreateFileW(LPCWSTR name, DWORD access, DWORD share, LPSECURITY_ATTRIBUTES security,
                   DWORD disposition, DWORD flags, HANDLE templateFile) {
  return PLATFORM_BIND(kKernel32, CreateFileW)(name, access, share, security, disposition, flags,
                                               templateFile);
}

BOOL WriteFile(HANDLE file, LPCVOID data, DWORD size, LPDWORD written, LPOVERLAPPED overlapped) {
  return PLATFORM_BIND(kKernel32, WriteFile)(file, data, size, written, overlapped);
}

BOOL ReadFile(HANDLE file, LPVOID data, DWORD size, LPDWORD read, LPOVERLAPPED overlapped) {
  return PLATFORM_BIND(kKernel32, ReadFile)(file, data, size, read, overlapped);
}

}  // namespace platform
