// Persistence: the control has no properties to keep, so it loads and saves
// nothing, but answers every container that asks.
#include "control/com/ScribbetControl.h"

namespace scribbet::com {

HRESULT ScribbetControl::GetClassID(CLSID* clsid) noexcept {
  if (!clsid) return E_POINTER;
  *clsid = CLSID_Scribbet;
  return S_OK;
}

HRESULT ScribbetControl::IsDirty() noexcept { return S_FALSE; }
HRESULT ScribbetControl::Load(LPSTREAM stream) noexcept { return stream ? S_OK : E_POINTER; }
HRESULT ScribbetControl::Save(LPSTREAM stream, BOOL) noexcept { return stream ? S_OK : E_POINTER; }

HRESULT ScribbetControl::GetSizeMax(ULARGE_INTEGER* size) noexcept {
  if (!size) return E_POINTER;
  size->QuadPart = 0;
  return S_OK;
}

HRESULT ScribbetControl::InitNew() noexcept { return S_OK; }

HRESULT ScribbetControl::Load(IPropertyBag* bag, IErrorLog*) noexcept {
  return bag ? S_OK : E_POINTER;
}

HRESULT ScribbetControl::Save(IPropertyBag* bag, BOOL, BOOL) noexcept {
  return bag ? S_OK : E_POINTER;
}

}  // namespace scribbet::com
