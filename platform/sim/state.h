// The simulated machine's state, shared by the simulated functions.
#pragma once

#include <map>
#include <memory>
#include <mutex>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "platform/entry_points.h"
#include "platform/sim/control.h"

namespace platform::sim {

// Window class names compare without regard to ASCII case, as on Windows.
struct NoCaseLess {
  bool operator()(const std::string& a, const std::string& b) const;
};

// Registry names are UTF-16 and compare as the registry compares them: each
// code unit upper-cased by Unicode's rules, whatever the ANSI code page.
char16_t RegistryUpcase(char16_t c);
struct RegistryNameLess {
  bool operator()(const std::u16string& a, const std::u16string& b) const;
};

// A value's data as the ANSI functions read it back: strings in the ANSI
// code page; the wide functions convert strings on their way in and out.
struct RegValue {
  DWORD type;
  std::vector<BYTE> data;
};

struct RegKey {
  std::map<std::u16string, std::shared_ptr<RegKey>, RegistryNameLess> subkeys;
  std::map<std::u16string, RegValue, RegistryNameLess> values;
  bool deleted = false;
  bool underLocalMachine = false;
  std::u16string path;  // below its root, parts joined by one backslash
};

struct OpenKey {
  std::shared_ptr<RegKey> key;
  REGSAM access;
};

// The ANSI code page a Windows process with this process's locale gets:
// 1252 unless LC_ALL, LC_CTYPE or LANG names a locale with another one.
UINT CodePageOfProcessLocale();

struct WindowState {
  Window window;
  WNDPROC procedure;  // null for the system's own classes (button, edit, static)
  LONG_PTR userData;
};

struct Machine {
  std::map<ULONG_PTR, std::shared_ptr<RegKey>> roots;
  std::map<ULONG_PTR, OpenKey> openKeys;
  std::map<ULONG_PTR, std::string> eventSources;
  std::set<void*> globalBuffers;
  ULONG_PTR nextHandle = 0x1000;

  // The rules a test set: failing functions by name, with their status;
  // entry points that cannot be bound; the rights granted under
  // HKEY_LOCAL_MACHINE, by key path.
  std::map<std::string, DWORD> failingFunctions;
  struct OneFailure {
    int callsBefore;
    DWORD status;
  };
  std::vector<std::pair<std::string, OneFailure>> failingOnce;  // in the order asked for
  std::set<std::pair<std::string, std::string>> removedEntryPoints;
  std::map<std::u16string, REGSAM, RegistryNameLess> keyRights;
  int registryWritesLeft = -1;  // no limit
  DWORD lastError = 0;

  UINT codePage = CodePageOfProcessLocale();
  OSVERSIONINFOA version{};
  std::string windowsDirectory;
  std::string systemDirectory;

  std::vector<Report> reports;
  std::vector<SourceOpen> sourceOpens;
  std::vector<std::string> calls;
  SIZE_T lastGlobalAllocSize = 0;
  std::vector<MessageBox> messageBoxes;
  int messageBoxAnswer = 1;  // IDOK
  bool windowStationVisible = true;

  std::map<std::string, WNDCLASSEXA, NoCaseLess> windowClasses;
  std::vector<WindowState> windows;  // in creation order, destroyed ones removed
  int screenWidth = 1024, screenHeight = 768, dotsPerInch = 96;
  int quitCode = -1;
  std::set<HDC> deviceContexts;
  std::map<HDC, DcColours> dcColours;

  std::vector<ProcessStart> processStarts;
  std::set<HANDLE> kernelHandles;
  std::string moduleFileName = "C:\\Tools\\Wayfinch.exe";
  bool wow64 = false;
  bool redirectionOff = false;  // a wow64 process turned its file system redirection off
  std::set<std::u16string, RegistryNameLess> files;  // as a 64-bit process names them

  Machine();
  ULONG_PTR NewHandle() { return nextHandle += 4; }
  WindowState* FindWindow(HWND handle);
};

// The machine, locked for the caller's statement or scope.
struct Locked {
  std::unique_lock<std::mutex> lock;
  Machine& machine;
  Machine* operator->() { return &machine; }
};
Locked Lock();

// Takes one write from the registry's quota; false when it is used up.
bool TakeRegistryWrite(Machine& machine);

// Every simulated function begins here. Records the call, raises a
// BindingError when the test removed the entry point, and gives the status
// the test made the function fail with, kept as the last error (0 when it
// works). A function given a status returns at once: a registry function
// with that status, any other with its failure value.
//   if (sim::Enter(m.machine, PLATFORM_ENTRY_POINT(kKernel32, GetVersionExA))) return {};
[[nodiscard]] DWORD Enter(Machine& machine, EntryPoint entryPoint);

// The rights a test granted on the key under HKEY_LOCAL_MACHINE at this path
// (every right for keys elsewhere).
REGSAM RightsAt(const Machine& machine, const std::u16string& path);

// The conversions of platform/ansi.h in a given code page, for the simulated
// functions, which hold the machine's lock and so cannot ask it for its page.
std::u16string WidenIn(UINT codePage, std::string_view bytes);
std::string NarrowIn(UINT codePage, std::u16string_view text);

}  // namespace platform::sim
