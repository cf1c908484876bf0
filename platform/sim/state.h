// The simulated machine's state, shared by the simulated functions.
#pragma once

#include <map>
#include <memory>
#include <mutex>
#include <set>
#include <string>
#include <vector>

#include "platform/sim/control.h"

namespace platform::sim {

// Registry names compare without regard to ASCII case, as on Windows.
struct NoCaseLess {
  bool operator()(const std::string& a, const std::string& b) const;
};

struct RegValue {
  DWORD type;
  std::vector<BYTE> data;
};

struct RegKey {
  std::map<std::string, std::shared_ptr<RegKey>, NoCaseLess> subkeys;
  std::map<std::string, RegValue, NoCaseLess> values;
  bool deleted = false;
  bool underLocalMachine = false;
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

  bool denyLocalMachineWrites = false;
  REGSAM localMachineRights = ~REGSAM{0};
  bool failGlobalAlloc = false;
  bool failRegisterEventSource = false;
  bool failReportEvent = false;
  bool failGetVersionEx = false;
  bool failDirectoryQueries = false;
  std::set<std::pair<std::string, std::string>> removedEntryPoints;
  int registryWritesLeft = -1;  // no limit

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
  bool failGetProcessWindowStation = false;
  bool failGetUserObjectInformation = false;

  std::map<std::string, WNDCLASSEXA, NoCaseLess> windowClasses;
  std::vector<WindowState> windows;  // in creation order, destroyed ones removed
  int screenWidth = 1024, screenHeight = 768, dotsPerInch = 96;
  int quitCode = -1;
  std::set<HDC> deviceContexts;
  std::map<HDC, DcColours> dcColours;

  std::vector<ProcessStart> processStarts;
  bool failProcessStart = false;
  std::set<HANDLE> kernelHandles;
  std::string moduleFileName = "C:\\Tools\\Wayfinch.exe";
  bool wow64 = false;

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

// Records the call and raises a BindingError when the test removed the entry.
void Enter(Machine& machine, const char* library, const char* entryPoint);

}  // namespace platform::sim
