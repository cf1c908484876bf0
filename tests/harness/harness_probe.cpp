// A stand-in for a test driver, with one suite for each outcome a run can
// have; the harness's own test picks one with --gtest_filter and checks what
// the harness makes of it.
#include <gtest/gtest.h>

#include <cstdint>

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

// A program that crashes: a write to the top page of the address space,
// which no process has mapped (Wine's 32-bit processes may have page 0).
TEST(Crashing, WritesWhereNothingIsMapped) {
  int* volatile nowhere = reinterpret_cast<int*>(~std::uintptr_t{0xFFF});
  *nowhere = 1;
}
