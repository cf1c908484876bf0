#include "platform/files.h"

#include "platform/win32/binding.h"

namespace platform {

using win32::Bind;
using win32::kKernel32;

DWORD GetEnvironmentVariableW(LPCWSTR name, LPWSTR buffer, DWORD size) {
  static const auto fn =
      Bind<decltype(&::GetEnvironmentVariableW)>(kKernel32, "GetEnvironmentVariableW");
  return fn(name, buffer, size);
}

HANDLE CreateFileW(LPCWSTR name, DWORD access, DWORD share, LPSECURITY_ATTRIBUTES security,
                   DWORD disposition, DWORD flags, HANDLE templateFile) {
  static const auto fn = Bind<decltype(&::CreateFileW)>(kKernel32, "CreateFileW");
  return fn(name, access, share, security, disposition, flags, templateFile);
}

BOOL WriteFile(HANDLE file, LPCVOID data, DWORD size, LPDWORD written, LPOVERLAPPED overlapped) {
  static const auto fn = Bind<decltype(&::WriteFile)>(kKernel32, "WriteFile");
  return fn(file, data, size, written, overlapped);
}

}  // namespace platform
