// The start-up check: classification of the system and the warning box.
#include <gtest/gtest.h>

#include "control/Scribbet.h"
#include "platform/sysinfo.h"
#include "tests/support/machine.h"
#include "platform/sim/control.h"

using scribbet::clsSupport;

// Whatever system the tests run on, the class agrees with the version record.
TEST(OsCheck, ClassifiesTheRunningSystem) {
  testing_support::ResetMachine();
  OSVERSIONINFOA version{};
  version.dwOSVersionInfoSize = sizeof version;
  ASSERT_TRUE(platform::GetVersionExA(&version));
  const std::int16_t expected =
      version.dwMajorVersion != 4 ? -1
      : version.dwPlatformId == 1 ? 1
      : version.dwPlatformId == 2 ? 2
                                  : -1;
  EXPECT_EQ(clsSupport().GetVersionType(), expected);
}

namespace sim = platform::sim;

SIMULATED_TEST(OsCheck, ClassificationTable) {
  const struct {
    DWORD major, minor, platformId;
    std::int16_t expected;
  } rows[] = {
      {4, 0, 2, 2},    // NT 4.0
      {4, 0, 1, 1},    // 95
      {4, 10, 1, 1},   // 98
      {4, 90, 1, 1},   // Me
      {3, 51, 2, -1},  // NT 3.51
      {5, 0, 2, -1},   // 2000
      {6, 1, 2, -1},   // 7
      {4, 0, 0, -1},   // Win32s
      {0, 0, 2, -1},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(testing::Message() << row.major << "." << row.minor << " on " << row.platformId);
    sim::Reset();
    sim::SetVersion(row.major, row.minor, 0, row.platformId);
    EXPECT_EQ(clsSupport().GetVersionType(), row.expected);
  }
}

SIMULATED_TEST(OsCheck, FailedVersionQueryCountsAsAnotherSystem) {
  sim::Reset();
  sim::FailFunction("GetVersionExA", ERROR_INVALID_PARAMETER);
  EXPECT_EQ(clsSupport().GetVersionType(), -1);
}

SIMULATED_TEST(OsCheck, WarningOncePerInstanceExceptOnNt4) {
  sim::Reset();
  scribbet::Scribbet onNt4;
  onNt4.UserControl_Initialize();
  EXPECT_TRUE(sim::MessageBoxes().empty());

  sim::SetVersion(5, 0, 2195, 2);
  scribbet::Scribbet first, second;
  first.UserControl_Initialize();
  second.UserControl_Initialize();
  const auto boxes = sim::MessageBoxes();
  ASSERT_EQ(boxes.size(), 2u);
  for (const auto& box : boxes) {
    EXPECT_EQ(box.text,
              "Scribbet is only designed for Windows NT 4.0 Server or Workstation applications!");
    EXPECT_EQ(box.caption, "Wrong OS Detected");
    EXPECT_EQ(box.style, 16u);
  }
}

// A service's window station has no WSF_VISIBLE: nobody could close the
// box, so it is left out and the instance is usable at once.
SIMULATED_TEST(OsCheck, WarningOnlyWhereSomeoneSeesTheScreen) {
  const struct {
    DWORD major, minor, platformId;
    bool visible;
    std::size_t boxes;
  } rows[] = {
      {5, 0, 2, true, 1},   // 2000 at the console
      {5, 0, 2, false, 0},  // 2000, a service
      {4, 10, 1, false, 0},
      {4, 0, 2, false, 0},  // NT 4.0 warns nowhere
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(testing::Message() << row.major << "." << row.minor << " visible " << row.visible);
    sim::Reset();
    sim::SetVersion(row.major, row.minor, 0, row.platformId);
    sim::SetWindowStationVisible(row.visible);
    scribbet::Scribbet control;
    control.UserControl_Initialize();
    EXPECT_EQ(sim::MessageBoxes().size(), row.boxes);
    std::u16string message = u"from a service", name = u"";
    std::int16_t type = 3;
    EXPECT_EQ(control.WriteEvent(message, type, name), 1);
  }
}

// Only a station that answers that it is invisible suppresses the box: a
// query that fails, or a system without the queries (95, 98, Me), shows it
// and the control is created all the same.
SIMULATED_TEST(OsCheck, WarningWhereTheStationCannotBeAsked) {
  const struct {
    const char* what;
    void (*fault)();
  } rows[] = {
      {"no station", [] { sim::FailFunction("GetProcessWindowStation", ERROR_ACCESS_DENIED); }},
      {"no flags", [] { sim::FailFunction("GetUserObjectInformationA", ERROR_ACCESS_DENIED); }},
      {"no GetProcessWindowStation",
       [] { sim::RemoveEntryPoint(PLATFORM_ENTRY_POINT(kUser32, GetProcessWindowStation)); }},
      {"no GetUserObjectInformationA",
       [] {
         sim::RemoveEntryPoint(PLATFORM_ENTRY_POINT(kUser32, GetUserObjectInformationA));
       }},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.what);
    sim::Reset();
    sim::SetVersion(4, 10, 1998, 1);
    sim::SetWindowStationVisible(false);  // what the station would say if asked
    row.fault();
    scribbet::Scribbet control;
    ASSERT_NO_THROW(control.UserControl_Initialize());
    EXPECT_EQ(sim::MessageBoxes().size(), 1u);
    std::u16string message = u"after the box", name = u"";
    std::int16_t type = 3;
    EXPECT_EQ(control.WriteEvent(message, type, name), 1);
  }
}

SIMULATED_TEST(OsCheck, ControlWorksAfterTheWarning) {
  sim::Reset();
  sim::SetVersion(4, 10, 1998, 1);
  scribbet::Scribbet control;
  control.UserControl_Initialize();
  ASSERT_EQ(sim::MessageBoxes().size(), 1u);
  std::u16string message = u"after the box", name = u"";
  std::int16_t type = 2;
  EXPECT_EQ(control.WriteEvent(message, type, name), 1);
  EXPECT_EQ(sim::Reports().size(), 1u);
}
