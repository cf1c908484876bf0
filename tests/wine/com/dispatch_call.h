// Automation calls of WriteEvent as a test builds them: arguments given
// first to last, stored last first as IDispatch wants them.
#pragma once

#include <vector>

#include "Scribbet_facts.h"
#include "tests/wine/com/com_support.h"

namespace com_testing {

inline constexpr DISPID kWriteEvent = scribbet::typelib::kDispidWriteEvent;

// A caller's variable: a VARIANT of the caller's own, as a script host's
// variable is, which the control reads and writes through references.
// Cleared when it goes.
struct Variable : VARIANT {
  Variable() noexcept { ::VariantInit(this); }
  explicit Variable(const wchar_t* text);
  explicit Variable(short number);
  ~Variable() { ::VariantClear(this); }
  Variable(const Variable&) = delete;
  Variable& operator=(const Variable&) = delete;
};

// The arguments of one call; the VARIANTs are owned by the test.
struct Call {
  std::vector<VARIANT> arguments;  // first to last
  // The DISPIDs of named arguments: the last names.size() of arguments,
  // in the same order, as VBA passes "Name:=value" after positional ones.
  std::vector<DISPID> names;
  Variable result;
  UINT argumentError = 12345;
  EXCEPINFO exception = {};

  HRESULT Invoke(IDispatch* object, DISPID member = kWriteEvent, WORD flags = DISPATCH_METHOD);
};

// A VARIANT of the type with zeroed data, owned by nobody.
VARIANT ByValue(VARTYPE type);
// A VT_BYREF|VT_VARIANT reference to the variable, as VBScript passes one.
VARIANT Reference(VARIANT* variable);

ComPtr<IDispatch> Dispatch(const ComPtr<_Scribbet>& control);

}  // namespace com_testing
