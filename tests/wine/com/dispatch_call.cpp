#include "tests/wine/com/dispatch_call.h"

namespace com_testing {

HRESULT Call::Invoke(IDispatch* object, DISPID member, WORD flags) {
  std::vector<VARIANT> reversed(arguments.rbegin(), arguments.rend());
  std::vector<DISPID> reversedNames(names.rbegin(), names.rend());
  DISPPARAMS params = {reversed.data(), reversedNames.empty() ? nullptr : reversedNames.data(),
                       static_cast<UINT>(reversed.size()),
                       static_cast<UINT>(reversedNames.size())};
  return object->Invoke(member, IID_NULL, LOCALE_USER_DEFAULT, flags, &params, &result,
                        &exception, &argumentError);
}

VARIANT ByValue(VARTYPE type) {
  VARIANT v;
  ::VariantInit(&v);
  v.vt = type;
  return v;
}

VARIANT Reference(VARIANT* variable) {
  VARIANT v = ByValue(VT_BYREF | VT_VARIANT);
  v.pvarVal = variable;
  return v;
}

Variable::Variable(const wchar_t* text) : Variable() {
  vt = VT_BSTR;
  bstrVal = ::SysAllocString(text);
}

Variable::Variable(short number) : Variable() {
  vt = VT_I2;
  iVal = number;
}

ComPtr<IDispatch> Dispatch(const ComPtr<_Scribbet>& control) {
  ComPtr<IDispatch> dispatch;
  EXPECT_EQ(control.As(&dispatch), S_OK);
  return dispatch;
}

}  // namespace com_testing
