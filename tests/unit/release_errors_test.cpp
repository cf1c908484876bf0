// Releasing the buffer and the event source is a service of the system like
// any other: when its entry point cannot be bound the call fails with that
// error, and whatever can still be released is released.
#include "tests/unit/write_event_fixture.h"

#include "platform/errors.h"

using namespace testing_support;
namespace sim = platform::sim;

namespace {

// The entry point the call failed on, or "" when it returned normally.
inline std::string FailedEntryPoint(scribbet::Scribbet& control, std::int16_t type) {
  std::u16string message = u"m", name = UniqueName(u"release");
  try {
    control.WriteEvent(message, type, name);
    return "";
  } catch (const platform::BindingError& error) {
    return error.entryPoint();
  }
}

}  // namespace

SIMULATED_TEST_F(WriteEventTest, MissingReleaseFunctionsFailTheCall) {
  sim::RemoveEntryPoint(PLATFORM_ENTRY_POINT(kKernel32, GlobalFree));
  EXPECT_EQ(FailedEntryPoint(control, 1), "GlobalFree");
  EXPECT_EQ(Events().size(), 1u);  // reported before the buffer was to be freed
  EXPECT_EQ(sim::CountOpenHandles(), (sim::OpenHandles{0, 0, 1}))
      << "the source is still released; only the buffer has no way back";

  ResetMachine();
  sim::RemoveEntryPoint(PLATFORM_ENTRY_POINT(kAdvapi32, DeregisterEventSource));
  EXPECT_EQ(FailedEntryPoint(control, 2), "DeregisterEventSource");
  EXPECT_EQ(sim::CountOpenHandles(), (sim::OpenHandles{0, 1, 0}));

  // On the way out after a failed allocation too.
  ResetMachine();
  sim::RemoveEntryPoint(PLATFORM_ENTRY_POINT(kAdvapi32, DeregisterEventSource));
  sim::FailFunction("GlobalAlloc", ERROR_NOT_ENOUGH_MEMORY);
  EXPECT_EQ(FailedEntryPoint(control, 3), "DeregisterEventSource");

  // Without a type to report nothing is opened, so nothing needs releasing.
  ResetMachine();
  sim::RemoveEntryPoint(PLATFORM_ENTRY_POINT(kKernel32, GlobalFree));
  sim::RemoveEntryPoint(PLATFORM_ENTRY_POINT(kAdvapi32, DeregisterEventSource));
  EXPECT_EQ(FailedEntryPoint(control, 0), "");
  ResetMachine();  // the handles no function could release
}
