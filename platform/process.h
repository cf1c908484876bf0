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
HANDLE GetCurrentProcess();
// Only in the kernel32 of 64-bit capable Windows (XP SP2 and later): on older
// systems binding it fails with EntryPointNotFound.
BOOL IsWow64Process(HANDLE process, PBOOL wow64);

// Whether this is a 32-bit process on 64-bit Windows, where the system
// directory a 32-bit program sees is not the one 64-bit programs see. A
// system whose kernel32 has no IsWow64Process runs no such processes.
bool RunsUnderWow64();

// Starts the command line as a separate process with the show mode and does
// not wait for it. A program that cannot be started raises a RuntimeError
// (file not found); what the started program does afterwards is its own.
void Shell(std::u16string_view commandLine, WORD showMode);

// The folder of the running program: without a trailing separator, except
// at the root of a drive, where it ends in one ("X:\").
std::u16string ProgramFolder();

}  // namespace platform
