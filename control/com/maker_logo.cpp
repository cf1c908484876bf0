#include "control/com/maker_logo.h"

#include <cstring>

#include "control/com/com_error.h"
#include "control/com/module.h"
#include "control/res/resource_ids.h"
#include "platform/ole.h"

namespace scribbet::com {

namespace {

[[noreturn]] void RaiseLastError() {
  const DWORD error = ::GetLastError();
  throw ComError(error ? HRESULT_FROM_WIN32(error) : E_FAIL);
}

}  // namespace

ComPtr<IPicture> LoadMakerLogo() {
  const HINSTANCE module = ModuleInstance();
  const HRSRC found = ::FindResourceA(module, MAKEINTRESOURCEA(kMakerLogoResource),
                                      MAKEINTRESOURCEA(10));  // RT_RCDATA
  if (!found) RaiseLastError();
  const DWORD size = ::SizeofResource(module, found);
  const void* bytes = ::LockResource(::LoadResource(module, found));
  if (!bytes || size == 0) RaiseLastError();

  // The picture loader reads a stream; the stream gets a copy of its own in
  // movable global memory and frees it when it goes.
  platform::unique_hglobal memory(platform::GlobalAlloc(GMEM_MOVEABLE, size));
  if (!memory) throw ComError(E_OUTOFMEMORY);
  void* copy = ::GlobalLock(memory.get());
  if (!copy) throw ComError(E_OUTOFMEMORY);
  std::memcpy(copy, bytes, size);
  ::GlobalUnlock(memory.get());
  ComPtr<IStream> stream;
  ThrowIfFailed(::CreateStreamOnHGlobal(memory.get(), TRUE, &stream));
  memory.release();

  ComPtr<IPicture> picture;
  ThrowIfFailed(platform::OleLoadPicture(stream.Get(), static_cast<LONG>(size), FALSE,
                                         IID_IPicture,
                                         reinterpret_cast<void**>(picture.GetAddressOf())));
  return picture;
}

HBITMAP BitmapOf(IPicture& picture) {
  SHORT type = PICTYPE_UNINITIALIZED;
  ThrowIfFailed(picture.get_Type(&type));
  if (type != PICTYPE_BITMAP) throw ComError(CTL_E_INVALIDPICTURE);
  OLE_HANDLE handle = 0;
  ThrowIfFailed(picture.get_Handle(&handle));
  // A GDI handle fits in 32 bits on 64-bit Windows too and is sign-extended.
  return reinterpret_cast<HBITMAP>(static_cast<LONG_PTR>(static_cast<LONG>(handle)));
}

}  // namespace scribbet::com
