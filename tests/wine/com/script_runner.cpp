#include "tests/wine/com/script_runner.h"

#include "tests/wine/com/com_support.h"

namespace com_testing {

std::string RunScript(const std::string& fileName, const std::string& script) {
  TempFile file(fileName, script);
  const Finished finished = RunProgram("cscript.exe //nologo \"" + file.path() + "\"");
  EXPECT_EQ(finished.exitCode, 0u) << finished.output;
  std::string output;
  for (char c : finished.output)
    if (c != '\r') output += c;
  return output;
}

}  // namespace com_testing
