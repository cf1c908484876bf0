// An Automation object as a caller might pass one: with a default value
// (DISPID_VALUE gives a 16-bit number) or without one. It counts its
// references so a test can see that none was kept or dropped.
#pragma once

#include <oaidl.h>

#include <atomic>
#include <optional>

namespace com_testing {

class ValueObject final : public IDispatch {
 public:
  explicit ValueObject(std::optional<short> value) : value_(value) {}

  ULONG References() const { return references_; }

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
    if (!out) return E_POINTER;
    *out = nullptr;
    if (iid != IID_IUnknown && iid != IID_IDispatch) return E_NOINTERFACE;
    *out = static_cast<IDispatch*>(this);
    AddRef();
    return S_OK;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
  // Lives on the test's stack: the count only shows what callers did.
  ULONG STDMETHODCALLTYPE Release() override { return --references_; }
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
    if (count) *count = 0;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override {
    return DISP_E_UNKNOWNNAME;
  }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID member, REFIID, LCID, WORD, DISPPARAMS*,
                                   VARIANT* result, EXCEPINFO*, UINT*) override {
    if (member != DISPID_VALUE || !value_) return DISP_E_MEMBERNOTFOUND;
    if (result) {
      ::VariantInit(result);
      result->vt = VT_I2;
      result->iVal = *value_;
    }
    return S_OK;
  }

 private:
  std::optional<short> value_;
  std::atomic<ULONG> references_{1};
};

}  // namespace com_testing
