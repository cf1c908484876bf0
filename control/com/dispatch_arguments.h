// Automation arguments as script hosts pass them. VBScript passes a variable
// as VT_BYREF|VT_VARIANT pointing at the variable itself and a literal by
// value; JScript passes everything by value; C++ callers may pass typed
// references (VT_BYREF|VT_BSTR ...). These helpers read any of them with
// Automation's coercions and write results back where the caller can see them.
#pragma once

#include <oaidl.h>

#include <string>
#include <string_view>
#include <vector>

#include "control/com/owners.h"

namespace scribbet::com {

// A refused argument: the DISP_E_* code and the argument's index in rgvarg.
struct ArgumentError {
  HRESULT hr;
  UINT index;
};

// True for an optional argument the caller left out.
bool IsMissing(const VARIANT& argument);

// One argument at its parameter's place: the caller's VARIANT, null where
// the caller gave none, and its index in rgvarg for puArgErr.
struct PlacedArgument {
  VARIANT* value = nullptr;
  UINT index = 0;
};

// Puts a call's arguments at their parameters' places, first parameter
// first. Positional arguments (rgvarg from its end) fill from the front;
// named ones (rgvarg[0] .. rgvarg[cNamedArgs - 1]) go where their DISPID,
// the parameter's position, says, in any order. An argument the caller
// marked as missing leaves its place empty. Raises ArgumentError with
// DISP_E_PARAMNOTFOUND for a DISPID that is no parameter of the method or
// names a parameter given already. The caller has checked that rgvarg and
// rgdispidNamedArgs hold the counts they claim and that there are no more
// arguments than parameters.
std::vector<PlacedArgument> PlaceArguments(const DISPPARAMS& params, UINT parameterCount);

// The argument as text, read where it is when it already is text (a long
// message is not copied), else coerced; raises ArgumentError
// (DISP_E_TYPEMISMATCH, DISP_E_OVERFLOW) when it cannot be. The view lives
// as long as this object and the caller's argument.
class TextArgument {
 public:
  TextArgument(VARIANT& argument, UINT index);
  std::u16string_view view() const { return text_; }

 private:
  unique_variant coerced_;
  std::u16string_view text_;
};

// The argument coerced to a 16-bit integer; raises ArgumentError as above.
short ShortArgument(VARIANT& argument, UINT index);

// Writes the value back into a by-reference argument, in the type the
// caller's variable holds where the value converts to it, else in the
// value's own type. Arguments passed by value are the caller's own copies
// and are left alone.
void StoreText(VARIANT& argument, const std::u16string& text);
void StoreShort(VARIANT& argument, short value);

}  // namespace scribbet::com
