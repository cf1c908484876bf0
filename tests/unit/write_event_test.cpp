// WriteEvent against the event log and registry of the platform it runs on.
#include "tests/unit/write_event_fixture.h"

#include "platform/ansi.h"
#include "platform/sysinfo.h"
#include "tests/support/sentinels.h"

using namespace testing_support;

namespace {

bool IsVistaOrLater() {
  OSVERSIONINFOA version{};
  version.dwOSVersionInfoSize = sizeof version;
  return platform::GetVersionExA(&version) && version.dwPlatformId == VER_PLATFORM_WIN32_NT &&
         version.dwMajorVersion >= 6;
}

}  // namespace

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

TEST_F(WriteEventTest, InsertionStringsThatCannotBeWidenedAreRefusedWithoutAReport) {
  // ReportEventA widens the insertion string, the buffer up to its first zero
  // byte, into a counted wide string: 32,766 UTF-16 code units at most. The
  // bound is on the widened text: U+65E5 is two bytes in code page 932 and
  // one "?" in the Western pages, one code unit either way. Vista and later
  // take 31,839 characters at most, and data (the whole buffer) of 61,440
  // bytes at most: in a double-byte page that is 30,719 such characters.
  const bool doubleByte = platform::ToAnsi(u"\u65e5").size() == 2;
  const std::u16string withNul = u"ab" + std::u16string(1, u'\0') + std::u16string(40000, u'x');
  const std::u16string withLongNul =
      u"ab" + std::u16string(1, u'\0') + std::u16string(61438, u'x');  // 61,442 bytes
  const struct {
    const char* what;
    std::u16string message;
    bool written;            // before Vista
    bool writtenSinceVista;
    std::u16string insertion;  // the string reported, when written
  } cases[] = {
      {"longest", std::u16string(32766, u'x'), true, false, std::u16string(32766, u'x')},
      {"one more", std::u16string(32767, u'x'), false, false, {}},
      {"far more", std::u16string(100000, u'y'), false, false, {}},
      {"longest in any page", std::u16string(32766, u'\u65e5'), true, false,
       platform::AnsiRoundTrip(std::u16string(32766, u'\u65e5'))},
      {"one more in any page", std::u16string(32767, u'\u65e5'), false, false, {}},
      {"long data, short string", withNul, true, true, u"ab"},
      {"longest since Vista", std::u16string(31839, u'x'), true, true,
       std::u16string(31839, u'x')},
      {"one more since Vista", std::u16string(31840, u'x'), true, false,
       std::u16string(31840, u'x')},
      {"most double-byte data since Vista", std::u16string(30719, u'\u65e5'), true, true,
       platform::AnsiRoundTrip(std::u16string(30719, u'\u65e5'))},
      {"double-byte data over the bound", std::u16string(30720, u'\u65e5'), true, !doubleByte,
       platform::AnsiRoundTrip(std::u16string(30720, u'\u65e5'))},
      {"data over the bound, short string", withLongNul, true, false, u"ab"},
  };
  // The system the tests run on; the simulated machine plays Vista as well.
  std::vector<bool> vistaRuns = {IsVistaOrLater()};
  if constexpr (kSimulated) vistaRuns.push_back(true);
  for (const bool vista : vistaRuns) {
    if constexpr (kSimulated) {
      if (vista) platform::sim::SetVersion(6, 0, 6000, VER_PLATFORM_WIN32_NT);
    }
    for (const auto& c : cases) {
      SCOPED_TRACE(std::string(c.what) + (vista ? " (Vista and later)" : " (before Vista)"));
      const bool written = vista ? c.writtenSinceVista : c.written;
      const std::u16string name = UniqueName(u"bound");
      trace.emplace();
      const Call call = Write(c.message, 3, name);
      EXPECT_EQ(call.result, written ? 1 : 0);
      // Everything before the report happens all the same.
      EXPECT_EQ(call.type, 4);
      EXPECT_EQ(call.message, platform::AnsiRoundTrip(c.message));
      EXPECT_TRUE(ReadStoredValue(SourceKey(name), u"EventMessageFile"));
      const auto events = Events();
      ASSERT_EQ(events.size(), written ? 1u : 0u);
      if (!written) continue;
      ASSERT_EQ(events[0].strings.size(), 1u);
      const std::u16string& seen = events[0].strings[0];
      if (events[0].truncated) {  // Wine's trace shows only the start of it
        EXPECT_EQ(seen, c.insertion.substr(0, seen.size()));
      } else {
        EXPECT_EQ(seen, c.insertion);
      }
      EXPECT_GE(events[0].dataSize, c.message.size() + 1);
    }
  }
}

SIMULATED_TEST_F(WriteEventTest, DataOverTheBoundOfVistaIsRefusedAsItsRpcBound) {
  platform::sim::SetVersion(6, 1, 7601, VER_PLATFORM_WIN32_NT);
  platform::sim::SetLastError(kUnwritten);
  const std::u16string data = u"ab" + std::u16string(1, u'\0') + std::u16string(61438, u'x');
  EXPECT_EQ(Write(data, 1, UniqueName(u"bound")).result, 0);
  EXPECT_EQ(platform::sim::LastError(), static_cast<DWORD>(RPC_S_INVALID_BOUND));
  EXPECT_TRUE(Events().empty());
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

SIMULATED_TEST_F(WriteEventTest, MakesExactlyTheRequiredCallsInOrder) {
  const std::u16string name = UniqueName(u"calls");
  Write(u"first", 1, name);  // registers the source
  // A message too long to report still opens the source and fills the
  // buffer, and releases both; only the report itself is left out.
  const struct {
    std::u16string message;
    bool reported;
  } cases[] = {{u"hello", true}, {std::u16string(32767, u'x'), false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.message.size());
    const auto before = platform::sim::Calls().size();
    Write(c.message, 1, name);
    const auto calls = platform::sim::Calls();
    std::vector<std::string> expected = {"RegOpenKeyExA", "RegQueryValueExA", "RegQueryValueExA",
                                          "RegCloseKey",   "RegisterEventSourceA", "GlobalAlloc",
                                          "RtlMoveMemory"};
    if (c.reported) expected.push_back("ReportEventA");
    expected.insert(expected.end(), {"GlobalFree", "DeregisterEventSource"});
    EXPECT_EQ(std::vector<std::string>(calls.begin() + before, calls.end()), expected);
    EXPECT_EQ(platform::sim::LastGlobalAllocSize(), c.message.size() + 1);
  }
  const auto opens = platform::sim::SourceOpens();
  ASSERT_FALSE(opens.empty());
  EXPECT_FALSE(opens.back().serverWasNull);
  EXPECT_EQ(opens.back().server, "");
}
