// The one rule a setup's work on event sources keeps, checked on random
// machines: nothing that is not the run's own changes, in any byte. Each
// case builds an event log's keys on a fresh simulated machine (logs of
// their own, other programs' sources with values of any type, Scribbet's
// sources of both architectures in any spelling of their message file, keys
// and an Application key that refuse some rights, names of the longest
// length a key may have, names in double-byte code pages), then runs one of
// a setup's two writings: Setup's registration of a random list of names
// (duplicates, other letter cases, logs' names and other logs' sources
// among them), or the giving of a removed control's sources to the other
// architecture's. Up to two registry calls fail on the way: one anywhere,
// and one more while the run takes back what it did. It checks:
//  * no key that was not the run's own changed in any byte, and in its own
//    keys no value but those the writing writes;
//  * a run that reports success did all its work: every name the setups'
//    rule gave it is registered (a read that failed may have left one
//    alone, and said so), every source of the removed control names the
//    other;
//  * a run that reports failure left everything as it was, but for the
//    keys it names as not taken back, and names some only when the
//    take-back itself met a failure;
//  * with nothing failing, a run succeeds exactly when it had every right it
//    needed, and a registration without them is refused, naming exactly the
//    names it may not write, before it writes anything.
#pragma once

#include <functional>
#include <string>

namespace testing_support {

// CHOOSE(n) gives a number below n: the case's every choice. The result is
// empty when every rule held, else the case and the rule it broke.
std::string CheckOneSourceSetup(const std::function<unsigned(unsigned)>& choose);

}  // namespace testing_support
