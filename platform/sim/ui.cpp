// Simulated message boxes: recorded, and answered at once with the answer
// the test set (IDOK unless told otherwise).
#include "platform/ui.h"

#include "platform/sim/state.h"

namespace platform {

int MessageBoxA(HWND owner, LPCSTR text, LPCSTR caption, UINT style) {
  auto m = sim::Lock();
  sim::Enter(m.machine, "user32.dll", "MessageBoxA");
  m->messageBoxes.push_back({owner, text ? text : "", caption ? caption : "", style});
  return m->messageBoxAnswer;
}

}  // namespace platform
