#include "platform/sysinfo.h"

#include "platform/win32/binding.h"

namespace platform {

BOOL GetVersionExA(LPOSVERSIONINFOA info) { return PLATFORM_BIND(kKernel32, GetVersionExA)(info); }

UINT GetWindowsDirectoryA(LPSTR buffer, UINT size) {
  return PLATFORM_BIND(kKernel32, GetWindowsDirectoryA)(buffer, size);
}

UINT GetSystemDirectoryA(LPSTR buffer, UINT size) {
  return PLATFORM_BIND(kKernel32, GetSystemDirectoryA)(buffer, size);
}

HGLOBAL GlobalAlloc(UINT flags, SIZE_T bytes) {
  return PLATFORM_BIND(kKernel32, GlobalAlloc)(flags, bytes);
}

HGLOBAL GlobalFree(HGLOBAL memory) { return PLATFORM_BIND(kKernel32, GlobalFree)(memory); }

void RtlMoveMemory(void* destination, const void* source, SIZE_T length) {
  // windows.h has it only as a macro for memmove.
  using Function = void(WINAPI*)(void*, const void*, SIZE_T);
  PLATFORM_BIND_AS(Function, kKernel32, RtlMoveMemory)(destination, source, length);
}

}  // namespace platform
