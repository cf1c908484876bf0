#include "platform/sysinfo.h"

#include "platform/win32/binding.h"

namespace platform {

using win32::Bind;
using win32::kKernel32;

BOOL GetVersionExA(LPOSVERSIONINFOA info) {
  static const auto fn = Bind<decltype(&::GetVersionExA)>(kKernel32, "GetVersionExA");
  return fn(info);
}

UINT GetWindowsDirectoryA(LPSTR buffer, UINT size) {
  static const auto fn =
      Bind<decltype(&::GetWindowsDirectoryA)>(kKernel32, "GetWindowsDirectoryA");
  return fn(buffer, size);
}

UINT GetSystemDirectoryA(LPSTR buffer, UINT size) {
  static const auto fn =
      Bind<decltype(&::GetSystemDirectoryA)>(kKernel32, "GetSystemDirectoryA");
  return fn(buffer, size);
}

HGLOBAL GlobalAlloc(UINT flags, SIZE_T bytes) {
  static const auto fn = Bind<decltype(&::GlobalAlloc)>(kKernel32, "GlobalAlloc");
  return fn(flags, bytes);
}

HGLOBAL GlobalFree(HGLOBAL memory) {
  static const auto fn = Bind<decltype(&::GlobalFree)>(kKernel32, "GlobalFree");
  return fn(memory);
}

void RtlMoveMemory(void* destination, const void* source, SIZE_T length) {
  using Function = void(WINAPI*)(void*, const void*, SIZE_T);
  static const auto fn = Bind<Function>(kKernel32, "RtlMoveMemory");
  fn(destination, source, length);
}

}  // namespace platform
