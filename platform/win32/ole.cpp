#include "platform/ole.h"

#include <olectl.h>

#include "platform/win32/binding.h"

namespace platform {

using win32::Bind;

namespace {
constexpr char kOleAut32[] = "oleaut32.dll";
constexpr char kOlePro32[] = "olepro32.dll";
}  // namespace

HRESULT OleLoadPicture(LPSTREAM stream, LONG size, BOOL runmode, REFIID iid, LPVOID* picture) {
  static const auto fn =
      Bind<decltype(&::OleLoadPicture)>(kOleAut32, kOlePro32, "OleLoadPicture");
  return fn(stream, size, runmode, iid, picture);
}

HRESULT OleCreatePropertyFrame(HWND owner, UINT x, UINT y, LPCOLESTR caption, ULONG objectCount,
                               LPUNKNOWN* objects, ULONG pageCount, LPCLSID pages, LCID locale,
                               DWORD reserved, LPVOID reservedPointer) {
  static const auto fn = Bind<decltype(&::OleCreatePropertyFrame)>(kOleAut32, kOlePro32,
                                                                   "OleCreatePropertyFrame");
  return fn(owner, x, y, caption, objectCount, objects, pageCount, pages, locale, reserved,
            reservedPointer);
}

}  // namespace platform
