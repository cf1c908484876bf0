// Stands in for Scribbet Setup's event-source helper (RegisterSources.exe)
// in a setup the installer tests make: its check takes every list, and its
// registration then fails, as when a source's key cannot be written after
// Setup has begun to change the machine. It changes nothing itself; what
// Setup must do then is put back everything else.
#include <windows.h>

#include <cstring>
#include <cwchar>

#include "scribbet_names.h"

namespace {

// A report of one line, as the real helper writes it (UTF-16).
void Report(const wchar_t* line) {
  wchar_t path[MAX_PATH];
  if (!::GetEnvironmentVariableW(L"SCRIBBET_SOURCES_REPORT", path, MAX_PATH)) return;
  HANDLE file = ::CreateFileW(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return;
  DWORD written = 0;
  ::WriteFile(file, line, static_cast<DWORD>(std::wcslen(line) * sizeof(wchar_t)), &written, nullptr);
  ::CloseHandle(file);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 2 && std::strcmp(argv[1], "check") == 0) {
    Report(L"The list as a stand-in reads it");
    return 0;
  }
  Report(L"The event source \"Stand-in\" could not be registered (the installer tests' stand-in).");
  return SCRIBBET_HELPER_FAILED;
}
