// System information and memory from kernel32: the version record, the
// Windows and system directories, global memory.
#pragma once

#include "platform/types.h"

namespace platform {

BOOL GetVersionExA(LPOSVERSIONINFOA info);
UINT GetWindowsDirectoryA(LPSTR buffer, UINT size);
UINT GetSystemDirectoryA(LPSTR buffer, UINT size);

HGLOBAL GlobalAlloc(UINT flags, SIZE_T bytes);
HGLOBAL GlobalFree(HGLOBAL memory);
void RtlMoveMemory(void* destination, const void* source, SIZE_T length);

}  // namespace platform
