// An account that may write the event log's keys but not change their
// security or owner: the control asks for no more than it needs, so its
// sources are registered all the same. Only the simulated registry can take
// rights away from the account running the tests, so this exists there only.
#include "platform/handles.h"
#include "tests/unit/write_event_fixture.h"

using namespace testing_support;

SIMULATED_TEST_F(WriteEventTest, AnAccountWithoutSecurityRightsStillRegistersItsSource) {
  platform::sim::LimitKeyRights("", KEY_ALL_ACCESS & ~(WRITE_DAC | WRITE_OWNER));
  // The account really lacks them: a mask asking for every right is refused.
  HKEY key = nullptr;
  EXPECT_EQ(platform::RegCreateKeyExA(HKEY_LOCAL_MACHINE,
                                      "System\\CurrentControlSet\\Services\\EventLog", 0,
                                      nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr,
                                      &key, nullptr),
            ERROR_ACCESS_DENIED);
  platform::unique_hkey owner(key);

  const std::u16string name = UniqueName(u"rights");
  EXPECT_EQ(Write(u"m", 2, name).result, 1);
  EXPECT_EQ(ReadStoredValue(SourceKey(name), u"EventMessageFile"),
            Text("%SystemRoot%\\System32\\Scribbet.ocx"));
  EXPECT_EQ(ReadStoredValue(SourceKey(name), u"TypesSupported"), Number(7));
}
