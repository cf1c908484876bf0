#include "control/com/dispatch_arguments.h"

#include <cstring>
#include <new>

#include "control/com/com_error.h"
#include "control/com/owners.h"

namespace scribbet::com {

namespace {

// The VARIANT that holds the caller's value: a VBScript variable is reached
// through its VT_BYREF|VT_VARIANT reference.
VARIANT& Referenced(VARIANT& argument) {
  if (argument.vt == (VT_BYREF | VT_VARIANT) && argument.pvarVal) return *argument.pvarVal;
  return argument;
}

// Size of the value behind a typed reference, for the types a result can be
// converted to; 0 for types that are left alone (objects, arrays ...).
std::size_t ScalarSize(VARTYPE type) {
  switch (type) {
    case VT_I1: case VT_UI1: return 1;
    case VT_I2: case VT_UI2: case VT_BOOL: return 2;
    case VT_I4: case VT_UI4: case VT_INT: case VT_UINT: case VT_R4: return 4;
    case VT_I8: case VT_UI8: case VT_R8: case VT_CY: case VT_DATE: return 8;
    case VT_BSTR: return sizeof(BSTR);
    case VT_DECIMAL: return sizeof(DECIMAL);
    default: return 0;
  }
}

void Coerce(unique_variant& out, VARIANT& argument, VARTYPE type, UINT index) {
  // A reference to a reference is no valid argument. Automation on some
  // systems reads through both levels, but a result could only be written
  // back through the first: the caller would never see it.
  const VARIANT& value = Referenced(argument);
  if (value.vt == (VT_BYREF | VT_VARIANT)) throw ArgumentError{DISP_E_TYPEMISMATCH, index};
  // A reference to nothing is refused here: not every VariantChangeType
  // checks the pointer before it reads through it.
  if ((value.vt & VT_BYREF) && !value.byref) throw ArgumentError{DISP_E_TYPEMISMATCH, index};
  const HRESULT hr = ::VariantChangeType(out.put(), &Referenced(argument), 0, type);
  if (SUCCEEDED(hr)) return;
  if (hr == E_OUTOFMEMORY) throw std::bad_alloc();
  throw ArgumentError{hr == DISP_E_OVERFLOW ? DISP_E_OVERFLOW : DISP_E_TYPEMISMATCH, index};
}

// Stores through a typed reference (VT_BYREF|type) when the value converts.
void StoreThrough(VARIANT& reference, const VARIANT& value) {
  const VARTYPE type = reference.vt & ~VT_BYREF;
  if (!ScalarSize(type) || !reference.byref) return;
  unique_variant converted;
  if (FAILED(::VariantChangeType(converted.put(), const_cast<VARIANT*>(&value), 0, type))) return;
  if (type == VT_BSTR) {
    ::SysFreeString(*reference.pbstrVal);
    *reference.pbstrVal = converted.release().bstrVal;  // the string now belongs to the caller
  } else if (type == VT_DECIMAL) {
    *reference.pdecVal = converted->decVal;
  } else {
    std::memcpy(reference.byref, &converted->llVal, ScalarSize(type));
  }
}

void Store(VARIANT& argument, const VARIANT& value) {
  if (argument.vt == (VT_BYREF | VT_VARIANT)) {
    if (!argument.pvarVal) return;
    VARIANT& variable = *argument.pvarVal;
    if (variable.vt & VT_BYREF) return StoreThrough(variable, value);
    unique_variant converted;
    if (ScalarSize(variable.vt) &&
        SUCCEEDED(
            ::VariantChangeType(converted.put(), const_cast<VARIANT*>(&value), 0, variable.vt))) {
      ::VariantClear(&variable);
      variable = converted.release();
      return;
    }
    if (FAILED(::VariantCopy(&variable, const_cast<VARIANT*>(&value)))) throw std::bad_alloc();
  } else if (argument.vt & VT_BYREF) {
    StoreThrough(argument, value);
  }
}

}  // namespace

bool IsMissing(const VARIANT& argument) {
  const VARIANT& value = Referenced(const_cast<VARIANT&>(argument));
  return value.vt == VT_ERROR && value.scode == DISP_E_PARAMNOTFOUND;
}

std::vector<PlacedArgument> PlaceArguments(const DISPPARAMS& params, UINT parameterCount) {
  std::vector<PlacedArgument> places(parameterCount);
  std::vector<bool> given(parameterCount, false);
  const UINT positional = params.cArgs - params.cNamedArgs;
  for (UINT position = 0; position < positional; ++position) {
    given[position] = true;
    places[position] = {&params.rgvarg[params.cArgs - 1 - position], params.cArgs - 1 - position};
  }
  for (UINT named = 0; named < params.cNamedArgs; ++named) {
    const DISPID id = params.rgdispidNamedArgs[named];
    if (id < 0 || static_cast<UINT>(id) >= parameterCount || given[id])
      throw ArgumentError{DISP_E_PARAMNOTFOUND, named};
    // The id comes from the caller: checked access as well, so a slip in
    // the test above fails the call rather than writing past the places.
    given.at(id) = true;
    places.at(id) = {&params.rgvarg[named], named};
  }
  for (PlacedArgument& place : places)
    if (place.value && IsMissing(*place.value)) place.value = nullptr;
  return places;
}

TextArgument::TextArgument(VARIANT& argument, UINT index) {
  const VARIANT& value = Referenced(argument);
  if (value.vt == VT_BSTR) {
    text_ = ViewOf(value.bstrVal);
  } else if (value.vt == (VT_BYREF | VT_BSTR) && value.pbstrVal) {
    text_ = ViewOf(*value.pbstrVal);
  } else {
    Coerce(coerced_, argument, VT_BSTR, index);
    text_ = ViewOf(coerced_->bstrVal);
  }
}

short ShortArgument(VARIANT& argument, UINT index) {
  unique_variant number;
  Coerce(number, argument, VT_I2, index);
  return number->iVal;
}

void StoreText(VARIANT& argument, const std::u16string& text) {
  VARIANT bstr;
  bstr.vt = VT_BSTR;
  bstr.bstrVal = MakeBstr(text).release();
  const unique_variant value(bstr);
  Store(argument, *value);
}

void StoreShort(VARIANT& argument, short number) {
  VARIANT value;
  value.vt = VT_I2;  // a number holds nothing to clear
  value.iVal = number;
  Store(argument, value);
}

}  // namespace scribbet::com
