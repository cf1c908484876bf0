// The class factory of a creatable class: makes objects of the class.
#pragma once

#include "control/com/com_error.h"
#include "control/com/implements.h"

namespace scribbet::com {

template <typename Object>
class ClassFactory : public ComObject<false, IClassFactory> {
 public:
  HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID iid,
                                           void** out) noexcept override {
    if (!out) return E_POINTER;
    *out = nullptr;
    if (outer) return CLASS_E_NOAGGREGATION;
    return Boundary(IID_IClassFactory, [&] { return CreateAndQuery<Object>(iid, out); });
  }

  HRESULT STDMETHODCALLTYPE LockServer(BOOL lock) noexcept override {
    lock ? Lock() : Unlock();
    return S_OK;
  }
};

}  // namespace scribbet::com
