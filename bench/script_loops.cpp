#include "bench/script_loops.h"

#include <sstream>
#include <stdexcept>
#include <string>

#include "bench/child_output.h"
#include "platform/process.h"

namespace bench {

namespace {

std::wstring ScriptPath() {
  const std::u16string folder = platform::ProgramFolder();
  return std::wstring(folder.begin(), folder.end()) + L"\\write_event_loop.vbs";
}

}  // namespace

std::vector<ScriptLoop> RunScriptLoops(const std::vector<ScriptLoop>& loops) {
  std::wstring commandLine = L"cscript.exe //nologo \"" + ScriptPath() + L"\"";
  for (const ScriptLoop& loop : loops)
    commandLine += L" " + std::to_wstring(loop.length) + L":" + std::to_wstring(loop.calls);

  const std::string text = OutputOf(commandLine);
  std::istringstream output(text);
  std::vector<ScriptLoop> results;
  for (const ScriptLoop& loop : loops) {
    long length = 0, withCallUs = 0, withoutUs = 0, failures = 0;
    if (!(output >> length >> withCallUs >> withoutUs >> failures) || length != loop.length)
      throw std::runtime_error("the script wrote no figures for length " +
                               std::to_string(loop.length) + ", but:\n" + text);
    results.push_back({loop.length, loop.calls, withCallUs * 1000.0 / loop.calls,
                       withoutUs * 1000.0 / loop.calls, failures});
  }
  return results;
}

}  // namespace bench
