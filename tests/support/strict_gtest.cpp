#include "tests/support/strict_gtest.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace testing_support {

int RunAllTestsStrictly() {
  const int status = RUN_ALL_TESTS();
  const ::testing::UnitTest& unit = *::testing::UnitTest::GetInstance();
  if (unit.test_to_run_count() == 0) {
    std::fprintf(stderr, "FAILED: no test ran\n");
    return 1;
  }
  if (unit.skipped_test_count() > 0) {
    std::fprintf(stderr, "FAILED: %d test(s) skipped; a skipped test is not a passed one\n",
                 unit.skipped_test_count());
    return 1;
  }
  // RUN_ALL_TESTS already fails a program whose suite set-up or tear-down
  // failed; the program's own set-up and tear-down count as well.
  if (status == 0 && unit.ad_hoc_test_result().Failed()) return 1;
  return status == 0 ? 0 : 1;
}

}  // namespace testing_support
