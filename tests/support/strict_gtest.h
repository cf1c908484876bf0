#pragma once
// Runs a test program's tests the way the harness counts them: a program
// passes only when it ran at least one test and every test it ran passed.
// A skipped test, or a suite whose set-up or tear-down failed, fails it.
namespace testing_support {

int RunAllTestsStrictly();

}  // namespace testing_support
