// Event-source registration, seen through WriteEvent and the registry.
#include "tests/unit/write_event_fixture.h"
#include "scribbet_names.h"

using namespace testing_support;

namespace {
}

TEST_F(WriteEventTest, FirstUseWritesExactlyTheTwoValues) {
  const std::u16string name = UniqueName(u"first");
  EXPECT_EQ(Write(u"m", 3, name).result, 1);
  EXPECT_EQ(ReadStoredValue(SourceKey(name), u"EventMessageFile"), kOurMessageFile);
  EXPECT_EQ(ReadStoredValue(SourceKey(name), u"TypesSupported"), Number(7));
}

TEST_F(WriteEventTest, RegisteredSourceIsNotWrittenAgain) {
  const std::u16string name = UniqueName(u"again");
  Write(u"m", 3, name);
  // Were anything written on the second call, TypesSupported would be 7 again.
  StoreValue(SourceKey(name), u"TypesSupported", REG_DWORD, Number(1).bytes);
  EXPECT_EQ(Write(u"m", 3, name).result, 1);
  EXPECT_EQ(ReadStoredValue(SourceKey(name), u"TypesSupported"), Number(1));
}

TEST_F(WriteEventTest, KeyWithoutMessageFileGetsBothValuesAndKeepsTheRest) {
  const std::u16string name = UniqueName(u"partial");
  StoreValue(SourceKey(name), u"TypesSupported", REG_DWORD, Number(3).bytes);
  StoreValue(SourceKey(name), u"Other", REG_SZ, Text("keep").bytes);
  Write(u"m", 1, name);
  EXPECT_EQ(ReadStoredValue(SourceKey(name), u"EventMessageFile"), kOurMessageFile);
  EXPECT_EQ(ReadStoredValue(SourceKey(name), u"TypesSupported"), Number(7));
  EXPECT_EQ(ReadStoredValue(SourceKey(name), u"Other"), Text("keep"));
}

TEST_F(WriteEventTest, AnotherProgramsMessageFileIsLeftAlone) {
  const std::u16string plain = UniqueName(u"plain");
  const std::u16string expandable = UniqueName(u"expandable");
  const StoredValue theirs = Text("C:\\Other\\other.dll");
  StoreValue(SourceKey(plain), u"EventMessageFile", REG_SZ, theirs.bytes);
  StoreValue(SourceKey(expandable), u"EventMessageFile", REG_EXPAND_SZ, theirs.bytes);
  EXPECT_EQ(Write(u"m", 2, plain).result, 1);
  EXPECT_EQ(Write(u"m", 2, expandable).result, 1);
  EXPECT_EQ(ReadStoredValue(SourceKey(plain), u"EventMessageFile"), theirs);
  EXPECT_FALSE(ReadStoredValue(SourceKey(plain), u"TypesSupported"));
  EXPECT_EQ(ReadStoredValue(SourceKey(expandable), u"EventMessageFile"),
            (StoredValue{REG_EXPAND_SZ, theirs.bytes}));
  EXPECT_FALSE(ReadStoredValue(SourceKey(expandable), u"TypesSupported"));
}

// The 32-bit control on 64-bit Windows names its file in SysWOW64, where
// readers of both kinds find it; everywhere else the System32 name stays.
// A message file already named is left alone either way.
SIMULATED_TEST_F(WriteEventTest, MessageFileFollowsTheKindOfProcess) {
  const StoredValue inSysWow64 = Text("%SystemRoot%\\SysWOW64\\" SCRIBBET_CONTROL_FILE);
  const struct {
    const char* what;
    bool wow64;
    bool hasIsWow64Process;  // NT 4.0 and 2000 have none
    std::optional<StoredValue> before;
    StoredValue expected;
  } rows[] = {
      {"32-bit Windows or the x64 control", false, true, std::nullopt, kOurMessageFile},
      {"the x86 control under WOW64", true, true, std::nullopt, inSysWow64},
      {"a system without IsWow64Process", false, false, std::nullopt, kOurMessageFile},
      {"WOW64, a key from before", true, true, kOurMessageFile, kOurMessageFile},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.what);
    platform::sim::SetWow64(row.wow64);
    if (!row.hasIsWow64Process)
      platform::sim::RemoveEntryPoint(PLATFORM_ENTRY_POINT(kKernel32, IsWow64Process));
    const std::u16string name = UniqueName(u"kind");
    if (row.before) StoreValue(SourceKey(name), u"EventMessageFile", row.before->type, row.before->bytes);
    EXPECT_EQ(Write(u"m", 3, name).result, 1);
    EXPECT_EQ(ReadStoredValue(SourceKey(name), u"EventMessageFile"), row.expected);
    platform::sim::RestoreEntryPoints();
  }
}
