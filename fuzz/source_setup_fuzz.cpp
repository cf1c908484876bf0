// Setup's registration of event sources on machines the input describes:
// every choice of tests/support/source_setup_property.h (the event log's
// keys, their rights and values, the list, the failing call) is taken from
// the input's bytes, so libFuzzer explores far more machines than the test
// run's random ones. The rule is the same: nothing that is not the run's
// own changes.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <string>

#include "fuzz/fuzz_checks.h"
#include "tests/support/source_setup_property.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider input(data, size);
  const std::string broken = testing_support::CheckOneSourceSetup([&](unsigned n) {
    return input.ConsumeIntegralInRange<unsigned>(0, n - 1);
  });
  if (!broken.empty()) std::fprintf(stderr, "%s\n", broken.c_str());
  fuzzing::Require(broken.empty(), "a setup's run changed what was not its own");
  fuzzing::RequireNothingOpen();
  return 0;
}
