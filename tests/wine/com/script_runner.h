// Runs a script in Windows Script Host (cscript) from a temporary file.
#pragma once

#include <string>

namespace com_testing {

// The script's output, carriage returns removed; a nonzero exit code of the
// host fails the test.
std::string RunScript(const std::string& fileName, const std::string& script);

}  // namespace com_testing
