// main() of the test programs that need nothing of their own before the run.
#include <gtest/gtest.h>

#include "tests/support/strict_gtest.h"

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  return testing_support::RunAllTestsStrictly();
}
