#include "platform/ole.h"

#include <olectl.h>

#include "platform/win32/binding.h"

namespace platform {

HRESULT OleLoadPicture(LPSTREAM stream, LONG size, BOOL runmode, REFIID iid, LPVOID* picture) {
  return PLATFORM_BIND(kOleAut32, OleLoadPicture, kOlePro32)(stream, size, runmode, iid, picture);
}

HRESULT OleCreatePropertyFrame(HWND owner, UINT x, UINT y, LPCOLESTR caption, ULONG objectCount,
                               LPUNKNOWN* objects, ULONG pageCount, LPCLSID pages, LCID locale,
                               DWORD reserved, LPVOID reservedPointer) {
  return PLATFORM_BIND(kOleAut32, OleCreatePropertyFrame, kOlePro32)(
      owner, x, y, caption, objectCount, objects, pageCount, pages, locale, reserved,
      reservedPointer);
}

}  // namespace platform
