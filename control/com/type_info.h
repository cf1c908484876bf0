// IDispatch's type-information methods, the same for every object of the
// module: one type description, the object's own from the type library.
#pragma once

#include <oaidl.h>

#include "control/com/com_error.h"
#include "control/com/module.h"

namespace scribbet::com {

inline HRESULT OneTypeInfo(UINT* count) noexcept {
  if (!count) return E_POINTER;
  *count = 1;
  return S_OK;
}

inline HRESULT TypeInfoFromLibrary(REFGUID type, UINT index, ITypeInfo** info) noexcept {
  if (!info) return E_POINTER;
  *info = nullptr;
  if (index != 0) return DISP_E_BADINDEX;
  return Boundary(IID_IDispatch, [&] {
    *info = TypeInfoOf(type);
    return S_OK;
  });
}

}  // namespace scribbet::com
