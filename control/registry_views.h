// The two registry views of a 64-bit system, as self-registration meets
// them. 64-bit programs see one view of HKEY_CLASSES_ROOT and 32-bit
// programs the other; each bitness of the control registers its classes in
// the view of its own programs. The two controls share the type library's
// key and, on Windows, the ProgIDs' keys, so unregistering one must leave
// what the other still uses. Plain logic: the registry is asked through the
// caller's function, so the decision holds without a registry of two views.
#pragma once

#include <functional>
#include <optional>

#include "platform/types.h"

namespace scribbet {

// The view flag of the control of the other bitness: the 32-bit view for
// the 64-bit control and the reverse. A system with one view ignores it.
REGSAM OtherView(bool module64);

// What unregistering leaves for the control of the other bitness.
struct Unregistration {
  // The view in which the class's ProgID is written again: the other one,
  // while its control is still registered there. Deleting this control's
  // ProgID took the other's with it where the key is shared.
  std::optional<REGSAM> progIdWrittenAgainIn;
  // Automation's undo of the whole type library takes its interfaces from
  // both views; while the other control is registered, only this system's
  // file entry of the library goes.
  bool wholeTypeLibrary;
};

// Decided once this control's own class keys are gone. classRegisteredIn
// tells whether the class's in-process server is registered in the view a
// flag names (a system with one view answers for its only view).
Unregistration DecideUnregistration(bool module64,
                                    const std::function<bool(REGSAM view)>& classRegisteredIn);

}  // namespace scribbet
