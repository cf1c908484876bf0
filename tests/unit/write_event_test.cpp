// WriteEvent against the event log and registry of the platform it runs on.
#include "tests/unit/write_event_fixture.h"

#include "platform/ansi.h"

using namespace testing_support;

TEST_F(WriteEventTest, EachTypeIsReportedAndComesBackAsTheTypeReported) {
  const std::u16string name = UniqueName(u"types");
  const struct { std::int16_t passed; WORD reported; } cases[] = {{1, 1}, {2, 2}, {3, 4}};
  for (const auto& c : cases) {
    const Call call = Write(u"disk full", c.passed, name);
    EXPECT_EQ(call.result, 1);
    EXPECT_EQ(call.type, static_cast<std::int16_t>(c.reported));
    EXPECT_EQ(call.name, name);
    EXPECT_EQ(call.message, u"disk full");
  }
  const auto events = Events();
  ASSERT_EQ(events.size(), 3u);
  for (std::size_t i = 0; i < 3; ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(events[i].type, cases[i].reported);
    EXPECT_EQ(events[i].category, 0);
    EXPECT_EQ(events[i].eventId, 1u);
    EXPECT_FALSE(events[i].hasUser);
    EXPECT_EQ(events[i].stringCount, 1);
    EXPECT_EQ(events[i].dataSize, 10u);  // the 9 characters and the zero byte
    EXPECT_EQ(events[i].strings, std::vector<std::u16string>{u"disk full"});
    if (events[i].source) {
      EXPECT_EQ(*events[i].source, name);
    }
    if (events[i].data) {
      const std::string expected("disk full", 10);
      EXPECT_EQ(*events[i].data, std::vector<std::uint8_t>(expected.begin(), expected.end()));
    }
  }
}

TEST_F(WriteEventTest, InformationTypeWrittenBackIsRefusedTheSecondTime) {
  std::u16string message = u"m", name = UniqueName(u"refused");
  std::int16_t type = 3;
  EXPECT_EQ(control.WriteEvent(message, type, name), 1);
  EXPECT_EQ(type, 4);
  EXPECT_EQ(control.WriteEvent(message, type, name), 0);
  EXPECT_EQ(type, 4);
  EXPECT_EQ(Events().size(), 1u);
}

TEST_F(WriteEventTest, OtherTypesReportNothingButRegisterTheSource) {
  for (std::int16_t type : {0, 4, -1, 32767, -32768}) {
    SCOPED_TRACE(type);
    const std::u16string name = UniqueName(u"badtype");
    const Call call = Write(u"m", type, name);
    EXPECT_EQ(call.result, 0);
    EXPECT_EQ(call.type, type);
    EXPECT_TRUE(ReadStoredValue(SourceKey(name), u"EventMessageFile"));
  }
  EXPECT_TRUE(Events().empty());
}

TEST_F(WriteEventTest, EmptyNameIsReplacedByTheApplicationTitle) {
  const Call call = Write(u"default", 3, u"");
  EXPECT_EQ(call.result, 1);
  EXPECT_EQ(call.name, u"Scribbet");
  EXPECT_TRUE(ReadStoredValue(SourceKey(u"Scribbet"), u"EventMessageFile"));
  const auto events = Events();
  ASSERT_EQ(events.size(), 1u);
  if (events[0].source) {
    EXPECT_EQ(*events[0].source, u"Scribbet");
  }
}

TEST_F(WriteEventTest, EmptyMessageIsOneZeroByte) {
  EXPECT_EQ(Write(u"", 1, UniqueName(u"empty")).result, 1);
  const auto events = Events();
  ASSERT_EQ(events.size(), 1u);
  EXPECT_EQ(events[0].dataSize, 1u);
  EXPECT_EQ(events[0].strings, std::vector<std::u16string>{u""});
  if (events[0].data) {
    EXPECT_EQ(*events[0].data, std::vector<std::uint8_t>{0});
  }
}

TEST_F(WriteEventTest, EmbeddedNulEndsTheStringButNotTheData) {
  const std::u16string message(u"ab\0cd", 5);
  const Call call = Write(message, 2, UniqueName(u"nul"));
  EXPECT_EQ(call.result, 1);
  EXPECT_EQ(call.message, message);
  const auto events = Events();
  ASSERT_EQ(events.size(), 1u);
  EXPECT_EQ(events[0].strings, std::vector<std::u16string>{u"ab"});
  EXPECT_EQ(events[0].dataSize, 6u);
  if (events[0].data) {
    const std::string bytes("ab\0cd\0", 6);
    EXPECT_EQ(*events[0].data, std::vector<std::uint8_t>(bytes.begin(), bytes.end()));
  }
}

TEST_F(WriteEventTest, LongMessagesAreReportedWhole) {
  // 30,000 characters: within what an event log takes in one string.
  const std::u16string message(30000, u'x');
  EXPECT_EQ(Write(message, 3, UniqueName(u"long")).result, 1);
  auto events = Events();
  ASSERT_EQ(events.size(), 1u);
  EXPECT_EQ(events[0].dataSize, 30001u);
  ASSERT_EQ(events[0].strings.size(), 1u);
  if (events[0].truncated) {  // Wine's trace shows only the start of it
    EXPECT_EQ(events[0].strings[0], std::u16string(events[0].strings[0].size(), u'x'));
  } else {
    EXPECT_EQ(events[0].strings[0], message);
  }

  // 100,000 characters: more than a log takes in one string. The call
  // neither crashes nor cuts the data; the result is the log's.
  const Call call = Write(std::u16string(100000, u'y'), 3, UniqueName(u"longer"));
  EXPECT_TRUE(call.result == 0 || call.result == 1);
  EXPECT_EQ(call.message.size(), 100000u);
  events = Events();
  ASSERT_EQ(events.size(), 1u + call.result);
  if (call.result) {
    EXPECT_EQ(events[1].dataSize, 100001u);
  }
}

TEST_F(WriteEventTest, TextComesBackAsItsAnsiRoundTrip) {
  // U+00E9 is in every Western page; U+4E2D and a lone surrogate are not.
  const std::u16string message = u"caf\u00e9 \u4e2d \xD800!";
  const std::u16string name = UniqueName(u"caf\u00e9");
  const Call call = Write(message, 1, name);
  EXPECT_EQ(call.result, 1);
  EXPECT_EQ(call.message, platform::AnsiRoundTrip(message));
  EXPECT_EQ(call.name, platform::AnsiRoundTrip(name));
  if (platform::AnsiCodePage() == 1252) {
    EXPECT_EQ(call.message, u"caf\u00e9 ? ?!");
    EXPECT_EQ(call.name, name);
  }
  const auto events = Events();
  ASSERT_EQ(events.size(), 1u);
  EXPECT_EQ(events[0].strings, std::vector<std::u16string>{call.message});
}

TEST_F(WriteEventTest, UnusualSourceNamesNeverCrash) {
  // The registry may refuse them; the entry is reported all the same.
  for (std::u16string name : {std::u16string(1000, u'n'), UniqueName(u"with\\backslash")}) {
    const Call call = Write(u"m", 2, name);
    EXPECT_TRUE(call.result == 0 || call.result == 1);
    EXPECT_EQ(call.name, name);
  }
}

#ifndef _WIN32
TEST_F(WriteEventTest, MakesExactlyTheRequiredCallsInOrder) {
  const std::u16string name = UniqueName(u"calls");
  Write(u"first", 1, name);  // registers the source
  const auto before = platform::sim::Calls().size();
  Write(u"hello", 1, name);
  const auto calls = platform::sim::Calls();
  const std::vector<std::string> second(calls.begin() + before, calls.end());
  EXPECT_EQ(second, (std::vector<std::string>{
                        "RegOpenKeyExA", "RegQueryValueExA", "RegQueryValueExA", "RegCloseKey",
                        "RegisterEventSourceA", "GlobalAlloc", "RtlMoveMemory", "ReportEventA",
                        "GlobalFree", "DeregisterEventSource"}));
  const auto opens = platform::sim::SourceOpens();
  ASSERT_FALSE(opens.empty());
  EXPECT_FALSE(opens.back().serverWasNull);
  EXPECT_EQ(opens.back().server, "");
  EXPECT_EQ(platform::sim::LastGlobalAllocSize(), 6u);
}
#endif
