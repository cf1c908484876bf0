// The ways a C++ client calls WriteEvent on one control with one message:
// through the vtable of _Scribbet, and through IDispatch::Invoke by member
// ID, once with the arguments VBScript passes (references to its variables:
// VT_BYREF|VT_VARIANT to a BSTR, a VT_I2 and a BSTR) and once with those
// JScript passes (values: a BSTR, a VT_I4, a BSTR). Each call reports one
// information entry and says whether it was accepted.
#pragma once

#include <string>

#include "Scribbet_h.h"
#include "control/com/owners.h"

namespace bench {

class ComCalls {
 public:
  ComCalls(_Scribbet* control, const std::u16string& message, const std::u16string& source);

  bool Vtable();
  bool DispatchByReference();
  bool DispatchByValue();

 private:
  // The caller's variables, as a script host keeps them. The call may
  // replace their strings (it does not for the benchmark's ASCII text), so
  // they own them, and every way passes these same strings.
  void SetVariables();
  bool Invoke(WORD flags, VARIANT (&arguments)[3]);

  _Scribbet* control_;
  scribbet::com::unique_variant message_, type_, source_;
};

}  // namespace bench
