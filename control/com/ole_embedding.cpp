// How a container embeds the control: client site, verbs, extent, in-place
// activation. The control is invisible at run time and never takes the
// focus, so it activates in place without a window of its own.
#include <olectl.h>

#include "control/com/ScribbetControl.h"
#include "control/com/com_error.h"
#include "control/com/registration.h"
#include "platform/ole.h"
#include "scribbet_names.h"

namespace scribbet::com {

HRESULT ScribbetControl::SetClientSite(IOleClientSite* site) noexcept {
  site_ = site;
  return S_OK;
}

HRESULT ScribbetControl::GetClientSite(IOleClientSite** site) noexcept {
  if (!site) return E_POINTER;
  return site_.CopyTo(site);
}

HRESULT ScribbetControl::SetHostNames(LPCOLESTR, LPCOLESTR) noexcept { return S_OK; }

HRESULT ScribbetControl::Close(DWORD) noexcept {
  InPlaceDeactivate();
  if (adviseHolder_) adviseHolder_->SendOnClose();
  return S_OK;
}

HRESULT ScribbetControl::SetMoniker(DWORD, IMoniker*) noexcept { return E_NOTIMPL; }

HRESULT ScribbetControl::GetMoniker(DWORD, DWORD, IMoniker** moniker) noexcept {
  if (moniker) *moniker = nullptr;
  return E_NOTIMPL;
}

HRESULT ScribbetControl::InitFromData(IDataObject*, BOOL, DWORD) noexcept { return E_NOTIMPL; }

HRESULT ScribbetControl::GetClipboardData(DWORD, IDataObject** data) noexcept {
  if (data) *data = nullptr;
  return E_NOTIMPL;
}

HRESULT ScribbetControl::InPlaceActivate() {
  if (inPlaceActive_) return S_OK;
  ComPtr<IOleInPlaceSite> site;
  if (!site_ || FAILED(site_.As(&site))) return E_NOINTERFACE;
  if (site->CanInPlaceActivate() != S_OK) return E_FAIL;
  inPlaceActive_ = true;
  site->OnInPlaceActivate();
  return S_OK;
}

HRESULT ScribbetControl::DoVerb(LONG verb, LPMSG, IOleClientSite* site, LONG, HWND parent,
                                LPCRECT) noexcept {
  return Boundary(IID_IOleObject, [&]() -> HRESULT {
    if (site && !site_) site_ = site;
    switch (verb) {
      case OLEIVERB_PRIMARY:
      case OLEIVERB_SHOW:
      case OLEIVERB_INPLACEACTIVATE:
      case OLEIVERB_UIACTIVATE:
        return InPlaceActivate();
      case OLEIVERB_HIDE:
        return InPlaceDeactivate();
      case OLEIVERB_PROPERTIES: {
        IUnknown* self = Unknown();
        CLSID page = CLSID_AboutProperty;
        return platform::OleCreatePropertyFrame(parent, 0, 0, L"" SCRIBBET_PRODUCT, 1, &self, 1, &page,
                                                LOCALE_USER_DEFAULT, 0, nullptr);
      }
      default:
        return verb < 0 ? E_NOTIMPL : OLEOBJ_S_INVALIDVERB;
    }
  });
}

HRESULT ScribbetControl::EnumVerbs(IEnumOLEVERB** verbs) noexcept {
  return ::OleRegEnumVerbs(CLSID_Scribbet, verbs);
}

HRESULT ScribbetControl::Update() noexcept { return S_OK; }
HRESULT ScribbetControl::IsUpToDate() noexcept { return S_OK; }

HRESULT ScribbetControl::GetUserClassID(CLSID* clsid) noexcept { return GetClassID(clsid); }

HRESULT ScribbetControl::GetUserType(DWORD form, LPOLESTR* name) noexcept {
  return ::OleRegGetUserType(CLSID_Scribbet, form, name);
}

HRESULT ScribbetControl::SetExtent(DWORD aspect, SIZEL* size) noexcept {
  if (aspect != DVASPECT_CONTENT) return DV_E_DVASPECT;
  if (!size) return E_POINTER;
  extent_ = *size;
  return S_OK;
}

HRESULT ScribbetControl::GetExtent(DWORD aspect, SIZEL* size) noexcept {
  if (!size) return E_POINTER;
  if (aspect != DVASPECT_CONTENT) return DV_E_DVASPECT;
  *size = extent_;
  return S_OK;
}

HRESULT ScribbetControl::Advise(IAdviseSink* sink, DWORD* cookie) noexcept {
  if (!cookie) return E_POINTER;
  if (!adviseHolder_) {
    const HRESULT hr = ::CreateOleAdviseHolder(&adviseHolder_);
    if (FAILED(hr)) return hr;
  }
  return adviseHolder_->Advise(sink, cookie);
}

HRESULT ScribbetControl::Unadvise(DWORD cookie) noexcept {
  if (!adviseHolder_) return OLE_E_NOCONNECTION;
  return adviseHolder_->Unadvise(cookie);
}

HRESULT ScribbetControl::EnumAdvise(IEnumSTATDATA** advises) noexcept {
  if (!advises) return E_POINTER;
  *advises = nullptr;
  if (!adviseHolder_) return S_OK;
  return adviseHolder_->EnumAdvise(advises);
}

HRESULT ScribbetControl::GetMiscStatus(DWORD aspect, DWORD* status) noexcept {
  if (!status) return E_POINTER;
  *status = aspect == DVASPECT_CONTENT ? kControlMiscStatus : 0;
  return S_OK;
}

HRESULT ScribbetControl::SetColorScheme(LOGPALETTE*) noexcept { return E_NOTIMPL; }

HRESULT ScribbetControl::GetControlInfo(CONTROLINFO* info) noexcept {
  if (!info) return E_POINTER;
  // No mnemonics: the control never takes the focus.
  info->hAccel = nullptr;
  info->cAccel = 0;
  info->dwFlags = 0;
  return S_OK;
}

HRESULT ScribbetControl::OnMnemonic(MSG*) noexcept { return S_OK; }
HRESULT ScribbetControl::OnAmbientPropertyChange(DISPID) noexcept { return S_OK; }
HRESULT ScribbetControl::FreezeEvents(BOOL) noexcept { return S_OK; }

HRESULT ScribbetControl::GetWindow(HWND* window) noexcept {
  if (!window) return E_POINTER;
  *window = nullptr;
  return E_FAIL;  // windowless: nothing to show at run time
}

HRESULT ScribbetControl::ContextSensitiveHelp(BOOL) noexcept { return E_NOTIMPL; }

HRESULT ScribbetControl::InPlaceDeactivate() noexcept {
  if (!inPlaceActive_) return S_OK;
  inPlaceActive_ = false;
  ComPtr<IOleInPlaceSite> site;
  if (site_ && SUCCEEDED(site_.As(&site))) site->OnInPlaceDeactivate();
  return S_OK;
}

HRESULT ScribbetControl::UIDeactivate() noexcept { return S_OK; }

HRESULT ScribbetControl::SetObjectRects(LPCRECT position, LPCRECT) noexcept {
  if (!position) return E_POINTER;
  position_ = *position;
  return S_OK;
}

HRESULT ScribbetControl::ReactivateAndUndo() noexcept { return INPLACE_E_NOTUNDOABLE; }

}  // namespace scribbet::com
