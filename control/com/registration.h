// What self-registration records for each creatable class. The table is
// registration.json, which the Windows Installer package reads too; the
// build makes it the C++ declarations of Scribbet_facts.h (kClasses, the
// threading model, the toolbox picture, the control's misc status).
#pragma once

#include <objbase.h>

#include "Scribbet_facts.h"
