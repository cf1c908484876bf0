// Which of the sources named at setup get registered. Setup runs with the
// installing user's rights, and Windows Installer writes its Registry rows
// later with the system's: so this asks only for the right to read. A key
// that already names a message file belongs to another program, and so does
// one that exists but cannot be read at all; both are left as they are.
#pragma once

#include <string>
#include <vector>

namespace scribbet::setup {

// Why a named source is left as it is.
enum class LeftAlone {
  Registered,  // its key already names a message file, of any type
  Unreadable,  // its key exists, or may, but cannot be read
};

struct SourcePlan {
  std::vector<std::u16string> toRegister;  // in the order named
  std::vector<std::pair<std::u16string, LeftAlone>> leftAlone;
};

// Reads each source's key below HKEY_LOCAL_MACHINE with KEY_QUERY_VALUE
// alone. Only a key that is missing, or that holds no message file, is to be
// registered.
SourcePlan SourcesToRegister(const std::vector<std::u16string>& names);

// One line for a person: which source, and why it was left alone.
std::u16string LeftAloneText(const std::u16string& name, LeftAlone reason);

}  // namespace scribbet::setup
