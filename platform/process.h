// Starting programs and finding the running one, from kernel32.
#pragma once

#include <string>
#include <string_view>

#include "platform/ui_types.h"

#ifndef _WIN32
struct STARTUPINFOA {
  DWORD cb;
  LPSTR lpReserved;
  LPSTR lpDesktop;
  LPSTR lpTitle;
  DWORD dwX;
  DWORD dwY;
  DWORD dwXSize;
  DWORD dwYSize;
  DWORD dwXCountChars;
  DWORD dwYCountChars;
  DWORD dwFillAttribute;
  DWORD dwFlags;
  WORD wShowWindow;
  WORD cbReserved2;
  LPBYTE lpReserved2;
  HANDLE hStdInput;
  HANDLE hStdOutput;
  HANDLE hStdError;
};
using LPSTARTUPINFOA = STARTUPINFOA*;

struct PROCESS_INFORMATION {
  HANDLE hProcess;
  HANDLE hThread;
  DWORD dwProcessId;
  DWORD dwThreadId;
};
using LPPROCESS_INFORMATION = PROCESS_INFORMATION*;

constexpr DWORD STARTF_USESHOWWINDOW = 0x1;
constexpr DWORD MAX_PATH = 260;
#endif

namespace platform {

BOOL CreateProcessA(LPCSTR applicationName, LPSTR commandLine,
                    LPSECURITY_ATTRIBUTES processAttributes,
                    LPSECURITY_ATTRIBUTES threadAttributes, BOOL inheritHandles,
                    DWORD creationFlags, LPVOID environment, LPCSTR currentDirectory,
                    LPSTARTUPINFOA startupInfo, LPPROCESS_INFORMATION processInformation);
BOOL CloseHandle(HANDLE handle);
DWORD GetModuleFileNameA(HMODULE module, LPSTR fileName, DWORD size);

// Starts the command line as a separate process with the show mode and does
// not wait for it. A program that cannot be started raises a RuntimeError
// (file not found); what the started program does afterwards is its own.
void Shell(std::u16string_view commandLine, WORD showMode);

// The folder of the running program: without a trailing separator, except
// at the root of a drive, where it ends in one ("X:\").
std::u16string ProgramFolder();

}  // namespace platform
