// Faults only the simulated platform can cause: no rights, no memory, a
// refusing event log, a missing entry point, a double-byte code page.
#include "tests/unit/write_event_fixture.h"

#include "platform/ansi.h"
#include "platform/errors.h"

using namespace testing_support;
namespace sim = platform::sim;

SIMULATED_TEST_F(WriteEventTest, WithoutRightsTheEntryIsStillReported) {
  sim::LimitKeyRights("", platform::sim::kReadRights);
  const std::u16string name = UniqueName(u"norights");
  EXPECT_EQ(Write(u"m", 1, name).result, 1);
  EXPECT_FALSE(KeyExists(SourceKey(name)));
  EXPECT_EQ(Events().size(), 1u);
  sim::FailFunction("ReportEventA", ERROR_LOG_FILE_FULL);  // and the result is the report's
  EXPECT_EQ(Write(u"m", 1, name).result, 0);
}

SIMULATED_TEST_F(WriteEventTest, RefusalsOfTheSystemGiveZeroAndReleaseEverything) {
  const std::u16string name = UniqueName(u"refusal");
  sim::FailFunction("GlobalAlloc", ERROR_NOT_ENOUGH_MEMORY);
  Call call = Write(u"m", 3, name);
  EXPECT_EQ(call.result, 0);
  EXPECT_EQ(call.type, 4);
  sim::HealFunction("GlobalAlloc");

  sim::FailFunction("ReportEventA", ERROR_LOG_FILE_FULL);
  EXPECT_EQ(Write(u"m", 3, name).result, 0);
  sim::HealFunction("ReportEventA");

  sim::FailFunction("RegisterEventSourceA", ERROR_ACCESS_DENIED);
  EXPECT_EQ(Write(u"m", 3, name).result, 0);
  EXPECT_TRUE(Events().empty());
  // The fixture checks that no handle or buffer is left open.
}

SIMULATED_TEST_F(WriteEventTest, MissingEntryPointFailsTheCallAndNamesIt) {
  sim::RemoveEntryPoint(PLATFORM_ENTRY_POINT(kAdvapi32, ReportEventA));
  std::u16string message = u"m", name = UniqueName(u"missing");
  std::int16_t type = 1;
  try {
    control.WriteEvent(message, type, name);
    ADD_FAILURE() << "no error";
  } catch (const platform::BindingError& error) {
    EXPECT_EQ(error.entryPoint(), "ReportEventA");
    EXPECT_EQ(error.library(), "advapi32.dll");
    EXPECT_STREQ(error.what(), "Cannot find the entry point ReportEventA in advapi32.dll");
  }
}

SIMULATED_TEST_F(WriteEventTest, RegistrationErrorsAreAbsorbed) {
  sim::RemoveEntryPoint(PLATFORM_ENTRY_POINT(kAdvapi32, RegOpenKeyExA));
  EXPECT_EQ(Write(u"m", 2, UniqueName(u"absorbed")).result, 1);
  EXPECT_EQ(Events().size(), 1u);
}

SIMULATED_TEST_F(WriteEventTest, DoubleByteMessagesKeepEveryByteInsideTheBuffer) {
  sim::SetAnsiCodePage(932);
  // Grows: each of these takes two bytes in code page 932.
  const std::u16string grows = u"\u65e5\u672c\u8a9e\u306e\u30c6\u30ad\u30b9\u30c8";
  Call call = Write(grows, 3, UniqueName(u"\u65e5\u672c"));
  EXPECT_EQ(call.result, 1);
  EXPECT_EQ(call.message, grows);
  auto events = Events();
  ASSERT_EQ(events.size(), 1u);
  EXPECT_EQ(events[0].strings, std::vector<std::u16string>{grows});
  EXPECT_EQ(events[0].dataSize, 17u);  // 16 bytes of text and the zero byte

  // Shrinks: a surrogate pair becomes one default character; the buffer
  // keeps its n bytes and the string ends inside it.
  const std::u16string shrinks = u"a\U0001F600b";
  call = Write(shrinks, 3, UniqueName(u"shrinks"));
  EXPECT_EQ(call.result, 1);
  events = Events();
  ASSERT_EQ(events.size(), 2u);
  EXPECT_EQ(events[1].strings, std::vector<std::u16string>{u"a?b"});
  EXPECT_EQ(events[1].dataSize, 5u);
  EXPECT_EQ(*events[1].data, (std::vector<std::uint8_t>{'a', '?', 'b', 0, 0}));
}
