// Another program run to its end: what it wrote to its standard output.
#pragma once

#include <string>

namespace bench {

// Runs the command line and waits for it. Its standard error is ours. Raises
// when it cannot be started or ends with a status other than 0.
std::string OutputOf(std::wstring commandLine);

}  // namespace bench
