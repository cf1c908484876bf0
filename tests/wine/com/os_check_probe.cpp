// Started by the OS-check test under a chosen Windows version: classifies the
// system, creates two controls through COM while a watcher thread answers any
// warning box, then writes one entry, and prints what it saw:
//   version <GetVersionType> boxes <n> text <...> title <...> buttons <n> hand <0|1> result <r>
#include <objbase.h>
#include <windows.h>

#include <atomic>
#include <cstdio>
#include <string>
#include <thread>

#include "Scribbet_h.h"
#include "control/clsSupport.h"

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

// Finds this process's warning boxes, reads the first and answers each.
void Watch(std::atomic<bool>& stop, std::atomic<int>& boxes, Box& first) {
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

int main() {
  ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  const int version = scribbet::clsSupport().GetVersionType();
  std::atomic<bool> stop{false};
  std::atomic<int> boxes{0};
  Box first;
  std::thread watcher(Watch, std::ref(stop), std::ref(boxes), std::ref(first));
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
  std::printf("version %d boxes %d text %s title %s buttons %d hand %d result %d\n", version,
              boxes.load(), first.text.c_str(), first.title.c_str(), first.buttons,
              first.hand ? 1 : 0, result);
  ::CoUninitialize();
  return 0;
}
