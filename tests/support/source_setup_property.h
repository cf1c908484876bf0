// The one rule a setup's registration of event sources keeps, checked on
// random machines: nothing that is not the run's own changes, in any byte.
// Each case builds an event log's keys on a fresh simulated machine (logs of
// their own, other programs' sources with values of any type, Scribbet's
// sources of both architectures, keys that refuse writing or reading, names
// in double-byte code pages), runs Setup's registration on a random list of
// names (duplicates, other letter cases, logs' names and other logs'
// sources among them), perhaps with one registry call failing on the way,
// and checks:
//  * no key that was not the run's own changed in any byte, and in its own
//    keys no value but the two a source's registration writes;
//  * after a run that failed or was refused, the whole registry is as it was;
//  * after one that succeeded with nothing failing, exactly the names that
//    were free to the setup are registered.
#pragma once

#include <functional>
#include <string>

namespace testing_support {

// CHOOSE(n) gives a number below n: the case's every choice. The result is
// empty when every rule held, else the case and the rule it broke.
std::string CheckOneSourceSetup(const std::function<unsigned(unsigned)>& choose);

}  // namespace testing_support
