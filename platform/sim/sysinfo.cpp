// Simulated version record, directories and global memory.
#include "platform/sysinfo.h"

#include <cstdlib>
#include <cstring>

#include "platform/sim/state.h"

namespace platform {

BOOL GetVersionExA(LPOSVERSIONINFOA info) {
  auto m = sim::Lock();
  if (sim::Enter(m.machine, PLATFORM_ENTRY_POINT(kKernel32, GetVersionExA))) return {};
  if (!info || info->dwOSVersionInfoSize != sizeof(OSVERSIONINFOA))
    return FALSE;
  *info = m->version;
  return TRUE;
}

// The real directory queries: the length without the terminator when the
// text fits, else the size needed including it, and the buffer untouched.
static UINT CopyDirectory(const std::string& directory, LPSTR buffer, UINT size) {
  const auto length = static_cast<UINT>(directory.size());
  if (length + 1 > size) return length + 1;
  std::memcpy(buffer, directory.c_str(), length + 1);
  return length;
}

UINT GetWindowsDirectoryA(LPSTR buffer, UINT size) {
  auto m = sim::Lock();
  if (sim::Enter(m.machine, PLATFORM_ENTRY_POINT(kKernel32, GetWindowsDirectoryA))) return {};
  return CopyDirectory(m->windowsDirectory, buffer, size);
}

UINT GetSystemDirectoryA(LPSTR buffer, UINT size) {
  auto m = sim::Lock();
  if (sim::Enter(m.machine, PLATFORM_ENTRY_POINT(kKernel32, GetSystemDirectoryA))) return {};
  return CopyDirectory(m->systemDirectory, buffer, size);
}

HGLOBAL GlobalAlloc(UINT flags, SIZE_T bytes) {
  auto m = sim::Lock();
  const DWORD failure = sim::Enter(m.machine, PLATFORM_ENTRY_POINT(kKernel32, GlobalAlloc));
  m->lastGlobalAllocSize = bytes;  // what was asked for, given or not
  if (failure) return nullptr;
  // Exactly the size asked for, so the sanitizers see any overrun; memory
  // that was not asked to be zeroed is filled with a pattern to show reliance.
  void* memory = std::malloc(bytes ? bytes : 1);
  if (!memory) return nullptr;
  std::memset(memory, (flags & GMEM_ZEROINIT) ? 0 : 0xCD, bytes);
  m->globalBuffers.insert(memory);
  return memory;
}

HGLOBAL GlobalFree(HGLOBAL memory) {
  auto m = sim::Lock();
  if (sim::Enter(m.machine, PLATFORM_ENTRY_POINT(kKernel32, GlobalFree))) return memory;
  if (!m->globalBuffers.erase(memory)) return memory;
  std::free(memory);
  return nullptr;
}

void RtlMoveMemory(void* destination, const void* source, SIZE_T length) {
  {
    auto m = sim::Lock();
    if (sim::Enter(m.machine, PLATFORM_ENTRY_POINT(kKernel32, RtlMoveMemory))) return;
  }
  std::memmove(destination, source, length);
}

}  // namespace platform
