// OLE's picture loader and property frame, for the control's Windows code.
// Both are bound by name: Windows NT 4.0 may keep them in the OLE controls
// library (olepro32.dll) rather than in OLE Automation (oleaut32.dll), and a
// file that imports them from the wrong one would not load there at all.
#pragma once

#include "platform/types.h"

#include <ocidl.h>

namespace platform {

HRESULT OleLoadPicture(LPSTREAM stream, LONG size, BOOL runmode, REFIID iid, LPVOID* picture);
HRESULT OleCreatePropertyFrame(HWND owner, UINT x, UINT y, LPCOLESTR caption, ULONG objectCount,
                               LPUNKNOWN* objects, ULONG pageCount, LPCLSID pages, LCID locale,
                               DWORD reserved, LPVOID reservedPointer);

}  // namespace platform
