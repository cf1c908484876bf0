// WriteEvent from VBScript: one cscript.exe process runs
// write_event_loop.vbs (beside this program), which creates the control by
// its ProgID and, at each length, times with its own Timer a loop of calls
// and the same loop without the call. What is left when the second is taken
// from the first is what a VBScript program pays per call: the host's look-up
// of the name (GetIDsOfNames), the building of its arguments, Invoke, and
// the result stored in a variable. The start of the process and of the
// control are outside both loops.
#pragma once

#include <vector>

namespace bench {

struct ScriptLoop {
  int length;
  long calls;          // passes through each loop
  double withCallNs;   // per pass
  double withoutNs;    // per pass of the same loop without the call
  long failures;       // calls that did not return 1
  double CallNs() const { return withCallNs - withoutNs; }
};

// One process; `loops` gives each length and its number of calls, and the
// result has one entry per length, in that order. Raises on a failed run.
std::vector<ScriptLoop> RunScriptLoops(const std::vector<ScriptLoop>& loops);

}  // namespace bench
