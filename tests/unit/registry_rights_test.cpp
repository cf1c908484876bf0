// An account that may write the event log's keys but not change their
// security or owner: the control asks for no more than it needs, so its
// sources are registered all the same. Only the simulated registry can take
// rights away from the account running the tests, so this exists there only.
#include "platform/handles.h"
#include "tests/unit/write_event_fixture.h"
#include "scribbet_names.h"

using namespace testing_support;

SIMULATED_TEST_F(WriteEventTest, AnAccountWithoutSecurityRightsStillRegistersItsSource) {
  platform::sim::LimitKeyRights("", KEY_ALL_ACCESS & ~(WRITE_DAC | WRITE_OWNER));
  // The account really lacks them: a mask asking for every right is refused.
  platform::unique_hkey key;
  EXPECT_EQ(platform::KeepIfOpened(
                key, platform::RegCreateKeyExA(HKEY_LOCAL_MACHINE,
                                               "System\\CurrentControlSet\\Services\\EventLog", 0,
                                               nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS,
                                               nullptr, key.put(), nullptr)),
            ERROR_ACCESS_DENIED);

  const std::u16string name = UniqueName(u"rights");
  EXPECT_EQ(Write(u"m", 2, name).result, 1);
  EXPECT_EQ(ReadStoredValue(SourceKey(name), u"EventMessageFile"),
            Text("%SystemRoot%\\System32\\" SCRIBBET_CONTROL_FILE));
  EXPECT_EQ(ReadStoredValue(SourceKey(name), u"TypesSupported"), Number(7));
}

// A standard user may read the event log's keys and write none. The control
// then writes no key, touches no other program's key, readable or not, and
// the entry is reported all the same.
SIMULATED_TEST_F(WriteEventTest, AStandardUserWritesNoKeyAndStillReportsTheEntry) {
  StoredValue otherFile = Text("%SystemRoot%\\other.dll");
  otherFile.type = REG_EXPAND_SZ;
  const std::u16string fresh = UniqueName(u"fresh"), kept = UniqueName(u"kept"),
                       locked = UniqueName(u"locked");
  for (const auto& name : {kept, locked})
    StoreValue(SourceKey(name), u"EventMessageFile", otherFile.type, otherFile.bytes);
  platform::sim::LimitKeyRights("", platform::sim::kReadRights);
  platform::sim::LimitKeyRights(Narrow(SourceKey(locked)), 0);

  for (const auto& name : {fresh, kept, locked}) {
    SCOPED_TRACE(Narrow(name));
    EXPECT_EQ(Write(u"m", 2, name).result, 1);
  }
  EXPECT_EQ(Events().size(), 3u);
  EXPECT_FALSE(KeyExists(SourceKey(fresh)));
  EXPECT_EQ(ReadStoredValue(SourceKey(kept), u"EventMessageFile"), otherFile);
  EXPECT_FALSE(ReadStoredValue(SourceKey(kept), u"TypesSupported"));
  platform::sim::LimitKeyRights(Narrow(SourceKey(locked)), platform::sim::kReadRights);
  EXPECT_EQ(ReadStoredValue(SourceKey(locked), u"EventMessageFile"), otherFile);
  EXPECT_FALSE(ReadStoredValue(SourceKey(locked), u"TypesSupported"));
}
