// The control's module: its instance handle, kept for the resources.
#include "platform/types.h"

namespace scribbet {
HINSTANCE moduleInstance = nullptr;
}

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
  if (reason == DLL_PROCESS_ATTACH) {
    scribbet::moduleInstance = instance;
    ::DisableThreadLibraryCalls(instance);
  }
  return TRUE;
}
