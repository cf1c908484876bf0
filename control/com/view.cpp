// Drawing: at design time the control shows its picture so a developer can
// find it on the form; at run time it is invisible and draws nothing.
#include "control/com/ScribbetControl.h"
#include "control/com/gdi.h"
#include "control/com/module.h"
#include "control/res/resource_ids.h"

namespace scribbet::com {

// The container's ambient UserMode: false while a form is being designed.
// Containers without ambient properties are running, not designing.
bool ScribbetControl::DesignMode() {
  ComPtr<IDispatch> ambient;
  if (!site_ || FAILED(site_.As(&ambient))) return false;
  unique_variant userMode;
  DISPPARAMS none = {};
  if (FAILED(ambient->Invoke(DISPID_AMBIENT_USERMODE, IID_NULL, LOCALE_USER_DEFAULT,
                             DISPATCH_PROPERTYGET, &none, userMode.put(), nullptr, nullptr)))
    return false;
  return userMode->vt == VT_BOOL && userMode->boolVal == VARIANT_FALSE;
}

HRESULT ScribbetControl::Draw(DWORD aspect, LONG, void*, DVTARGETDEVICE*, HDC, HDC target,
                              LPCRECTL bounds, LPCRECTL, BOOL(STDMETHODCALLTYPE*)(ULONG_PTR),
                              ULONG_PTR) noexcept {
  if (aspect != DVASPECT_CONTENT) return DV_E_DVASPECT;
  if (!target || !bounds) return E_INVALIDARG;
  if (!DesignMode()) return S_OK;
  unique_hbitmap picture(::LoadBitmapA(ModuleInstance(), MAKEINTRESOURCEA(kDesignPictureId)));
  unique_memory_dc memory(::CreateCompatibleDC(target));
  if (!picture || !memory) return E_OUTOFMEMORY;
  SelectedObject selected(memory.get(), picture.get());
  ::SetStretchBltMode(target, COLORONCOLOR);
  ::StretchBlt(target, bounds->left, bounds->top, bounds->right - bounds->left,
               bounds->bottom - bounds->top, memory.get(), 0, 0, kDesignPictureSize,
               kDesignPictureSize, SRCCOPY);
  return S_OK;
}

HRESULT ScribbetControl::GetColorSet(DWORD, LONG, void*, DVTARGETDEVICE*, HDC,
                                     LOGPALETTE** colors) noexcept {
  if (colors) *colors = nullptr;
  return S_FALSE;
}

HRESULT ScribbetControl::Freeze(DWORD, LONG, void*, DWORD*) noexcept { return E_NOTIMPL; }
HRESULT ScribbetControl::Unfreeze(DWORD) noexcept { return E_NOTIMPL; }

HRESULT ScribbetControl::SetAdvise(DWORD aspects, DWORD flags, IAdviseSink* sink) noexcept {
  viewAspects_ = aspects;
  viewAdviseFlags_ = flags;
  viewSink_ = sink;
  return S_OK;
}

HRESULT ScribbetControl::GetAdvise(DWORD* aspects, DWORD* flags, IAdviseSink** sink) noexcept {
  if (aspects) *aspects = viewAspects_;
  if (flags) *flags = viewAdviseFlags_;
  if (sink) viewSink_.CopyTo(sink);
  return S_OK;
}

HRESULT ScribbetControl::GetExtent(DWORD aspect, LONG, DVTARGETDEVICE*, LPSIZEL size) noexcept {
  return GetExtent(aspect, size);
}

}  // namespace scribbet::com
