#include "bench/com_calls.h"

#include <new>

#include "control/com/ScribbetControl.h"  // kDispidWriteEvent

namespace bench {

namespace {

constexpr short kInformation = 3;

void HoldText(scribbet::com::unique_variant& variable, const std::u16string& text) {
  variable->bstrVal = ::SysAllocStringLen(reinterpret_cast<const OLECHAR*>(text.data()),
                                          static_cast<UINT>(text.size()));
  if (!variable->bstrVal) throw std::bad_alloc();
  variable->vt = VT_BSTR;
}

}  // namespace

ComCalls::ComCalls(_Scribbet* control, const std::u16string& message,
                   const std::u16string& source)
    : control_(control) {
  HoldText(message_, message);
  HoldText(source_, source);
  type_->vt = VT_I2;
}

// Every call leaves 4 in the type variable; a caller sets it before the next.
void ComCalls::SetVariables() { type_->iVal = kInformation; }

bool ComCalls::Vtable() {
  SetVariables();
  short result = 0;
  return SUCCEEDED(control_->WriteEvent(&message_->bstrVal, &type_->iVal, &source_->bstrVal,
                                        &result)) &&
         result == 1;
}

bool ComCalls::Invoke(WORD flags, VARIANT (&arguments)[3]) {
  DISPPARAMS params = {arguments, nullptr, 3, 0};
  scribbet::com::unique_variant result;
  EXCEPINFO exception = {};
  UINT argumentError = 0;
  return SUCCEEDED(control_->Invoke(scribbet::com::kDispidWriteEvent, IID_NULL, 0, flags, &params,
                                    result.put(), &exception, &argumentError)) &&
         result->vt == VT_I2 && result->iVal == 1;
}

bool ComCalls::DispatchByReference() {
  SetVariables();
  // Last argument first. The references borrow the variables, owning nothing.
  VARIANT arguments[3];
  VARIANT* variables[3] = {source_.get(), type_.get(), message_.get()};
  for (int i = 0; i < 3; ++i) {
    arguments[i].vt = VT_BYREF | VT_VARIANT;
    arguments[i].pvarVal = variables[i];
  }
  // What VBScript asks for when it uses the result: a method or a property.
  return Invoke(DISPATCH_METHOD | DISPATCH_PROPERTYGET, arguments);
}

bool ComCalls::DispatchByValue() {
  // Values that borrow the variables' strings: by-value arguments stay the
  // caller's, and the callee neither frees nor keeps them.
  VARIANT arguments[3];
  arguments[0] = *source_;
  arguments[1].vt = VT_I4;
  arguments[1].lVal = kInformation;
  arguments[2] = *message_;
  return Invoke(DISPATCH_METHOD, arguments);
}

}  // namespace bench
