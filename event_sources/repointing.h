// Sources of one Scribbet control given to the other. The two controls of a
// 64-bit machine (the 64-bit one in System32, the 32-bit one in SysWOW64)
// hold the same messages, and either may be a source's message file. When a
// setup removes one of them while the other stays, the sources that name the
// one removed would leave their entries without text; they are pointed at
// the one that stays instead, all or none.
#pragma once

#include <string_view>

#include "event_sources/source_registration.h"

namespace scribbet::sources {

// Every source under Application whose message file names FROM names TO
// afterwards; each key keeps its other values, and the value its type.
RegistrationOutcome PointSourcesAt(std::u16string_view from, std::u16string_view to);

// Whether the control a source names by MESSAGE_FILE is there, where an
// event viewer looks for it.
bool ControlInstalled(std::u16string_view messageFile);

// For a setup that removes this process's control: when the other
// architecture's control stays installed, this one's sources are given to
// it (PointSourcesAt); otherwise, as on 32-bit Windows, nothing changes.
RegistrationOutcome GiveSourcesToOtherControl();

}  // namespace scribbet::sources
