// What self-registration records for each creatable class: the entries of
// kClasses in Scribbet_facts.h, which the build makes from the IDL and
// registration.json (control/res/com_table.py, as the Windows Installer
// package does for its own registry entries).
#pragma once

#include <objbase.h>

#include "Scribbet_facts.h"
