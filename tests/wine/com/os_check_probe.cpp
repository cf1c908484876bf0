// Started by the OS-check test under a chosen Windows version: classifies the
// system, creates two controls through COM while a watcher thread answers any
// warning box, then writes one entry, and prints what it saw:
//   version <GetVersionType> boxes <n> text <...> title <...> buttons <n> hand <0|1> result <r>
// With the argument "hidden-station" it first moves to a window station of
// its own, made without WSF_VISIBLE as a service's is, and a desktop on it
// (the watcher watches that desktop), and the line starts with
//   visible <WSF_VISIBLE of the station, 0 or 1>
#include <objbase.h>
#include <windows.h>

#include <atomic>
#include <cstdio>
#include <string>

#include "Scribbet_h.h"
#include "control/clsSupport.h"
#include "tests/support/threads.h"

namespace {

struct Box {
  std::string text, title;
  int buttons = 0;
  bool hand = false;
};

BOOL CALLBACK ReadChild(HWND child, LPARAM param) {
  auto* box = reinterpret_cast<Box*>(param);
  char className[32] = {}, text[512] = {};
  ::GetClassNameA(child, className, sizeof className);
  ::GetWindowTextA(child, text, sizeof text);
  if (!lstrcmpiA(className, "Button")) {
    ++box->buttons;
  } else if (!lstrcmpiA(className, "Static")) {
    if (::GetWindowLongA(child, GWL_STYLE) & SS_ICON)
      box->hand = reinterpret_cast<HICON>(::SendMessageA(child, STM_GETICON, 0, 0)) ==
                  ::LoadIconA(nullptr, IDI_HAND);
    else if (*text)
      box->text = text;
  }
  return TRUE;
}

// Moves the process to a new window station, which has no WSF_VISIBLE, and
// this thread to a desktop on it; tells whether the station is visible.
int MoveToHiddenStation(HDESK& desktop) {
  HWINSTA station = ::CreateWindowStationA("ScribbetHidden", 0, WINSTA_ALL_ACCESS, nullptr);
  if (!station || !::SetProcessWindowStation(station)) return -1;
  desktop = ::CreateDesktopA("Default", nullptr, nullptr, 0, GENERIC_ALL, nullptr);
  if (!desktop || !::SetThreadDesktop(desktop)) return -1;
  USEROBJECTFLAGS flags = {};
  DWORD needed = 0;
  if (!::GetUserObjectInformationA(::GetProcessWindowStation(), UOI_FLAGS, &flags, sizeof flags,
                                   &needed))
    return -1;
  return (flags.dwFlags & WSF_VISIBLE) ? 1 : 0;
}

// Finds this process's warning boxes, reads the first and answers each.
void Watch(std::atomic<bool>& stop, std::atomic<int>& boxes, Box& first, HDESK desktop) {
  if (desktop) ::SetThreadDesktop(desktop);
  while (!stop) {
    HWND found = ::FindWindowA("#32770", "Wrong OS Detected");
    DWORD owner = 0;
    if (found) ::GetWindowThreadProcessId(found, &owner);
    if (found && owner == ::GetCurrentProcessId() && ::IsWindowVisible(found)) {
      if (boxes++ == 0) {
        first.title = "Wrong OS Detected";
        ::EnumChildWindows(found, ReadChild, reinterpret_cast<LPARAM>(&first));
      }
      ::PostMessageA(found, WM_COMMAND, IDOK, 0);
      while (::IsWindow(found) && !stop) ::Sleep(10);
    }
    ::Sleep(20);
  }
}

}  // namespace

int main(int argc, char** argv) {
  HDESK desktop = nullptr;
  const bool hidden = argc > 1 && std::string(argv[1]) == "hidden-station";
  const int visible = hidden ? MoveToHiddenStation(desktop) : 1;
  ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  const int version = scribbet::clsSupport().GetVersionType();
  std::atomic<bool> stop{false};
  std::atomic<int> boxes{0};
  Box first;
  testing_support::Thread watcher(Watch, std::ref(stop), std::ref(boxes), std::ref(first), desktop);
  _Scribbet* controls[2] = {};
  for (auto& control : controls)
    ::CoCreateInstance(CLSID_Scribbet, nullptr, CLSCTX_INPROC_SERVER, IID__Scribbet,
                       reinterpret_cast<void**>(&control));
  short result = -1;
  if (controls[1]) {
    BSTR message = ::SysAllocString(L"after the warning"), name = nullptr;
    short type = 3;
    controls[1]->WriteEvent(&message, &type, &name, &result);
    ::SysFreeString(message);
    ::SysFreeString(name);
  }
  ::Sleep(200);  // a box still on its way would be counted too
  stop = true;
  watcher.join();
  for (auto* control : controls)
    if (control) control->Release();
  if (hidden) std::printf("visible %d ", visible);
  std::printf("version %d boxes %d text %s title %s buttons %d hand %d result %d\n", version,
              boxes.load(), first.text.c_str(), first.title.c_str(), first.buttons,
              first.hand ? 1 : 0, result);
  ::CoUninitialize();
  return 0;
}
