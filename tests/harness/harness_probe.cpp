// A stand-in for a test driver, with one suite for each outcome a run can
// have; the harness's own test picks one with --gtest_filter and checks what
// the harness makes of it.
#include <gtest/gtest.h>

TEST(Passing, Passes) { EXPECT_EQ(1 + 1, 2); }

TEST(Skipping, Skips) { GTEST_SKIP() << "a test that skips"; }

class FailingSetUp : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { FAIL() << "the suite could not be set up"; }
};
TEST_F(FailingSetUp, NeverRuns) { EXPECT_EQ(1 + 1, 2); }

class FailingTearDown : public ::testing::Test {
 protected:
  static void TearDownTestSuite() { FAIL() << "the suite could not be torn down"; }
};
TEST_F(FailingTearDown, Passes) { EXPECT_EQ(1 + 1, 2); }

TEST(Failing, Fails) { EXPECT_EQ(1 + 1, 3); }

// A program that crashes: through a null pointer the compiler cannot see.
TEST(Crashing, WritesThroughNull) {
  int* volatile nowhere = nullptr;
  *nowhere = 1;
}
