// A setup that removes one Scribbet control gives its sources to the other
// architecture's where that one stays installed: an event viewer then still
// finds their entries' text. The file system and the 32-bit processes of a
// 64-bit Windows are the simulated machine's alone.
#include "event_sources/event_sources.h"

#include <gtest/gtest.h>

#include "event_sources/source_key.h"
#include "tests/support/machine.h"
#include "scribbet_names.h"

using namespace testing_support;

namespace {

namespace sim = platform::sim;

struct RepointCase {
  const char* what;
  bool wow64;                 // the setup removing the 32-bit control on 64-bit Windows
  const char16_t* installed;  // the files there, as a 64-bit program names them
  const char* failing;        // a registry call that fails once, on its second call
  bool given;                 // whether the sources of the control removed go over
};

const RepointCase kCases[] = {
    {"the 32-bit control goes, the 64-bit one stays", true, u"C:\\WINNT\\System32\\" SCRIBBET_CONTROL_FILE, nullptr, true},
    {"the 64-bit control goes, the 32-bit one stays", false, u"C:\\WINNT\\SysWOW64\\" SCRIBBET_CONTROL_FILE, nullptr, true},
    {"the 32-bit control goes, and only it was there", true, u"C:\\WINNT\\SysWOW64\\" SCRIBBET_CONTROL_FILE, nullptr, false},
    {"the 64-bit control goes, and only it was there", false, u"C:\\WINNT\\System32\\" SCRIBBET_CONTROL_FILE, nullptr, false},
    {"a key refuses a write on the way", true, u"C:\\WINNT\\System32\\" SCRIBBET_CONTROL_FILE, "RegSetValueExW", false},
};

StoredValue File(const std::string& path) { return Text(path); }

}  // namespace

SIMULATED_TEST(Repointing, GivesTheSourcesOfTheControlRemovedToTheOneThatStays) {
  const StoredValue x86 = File("%SystemRoot%\\SysWOW64\\" SCRIBBET_CONTROL_FILE);
  const StoredValue x64 = File("%SystemRoot%\\System32\\" SCRIBBET_CONTROL_FILE);
  StoredValue other = File("%SystemRoot%\\other.dll");
  other.type = REG_EXPAND_SZ;
  for (const RepointCase& c : kCases) {
    SCOPED_TRACE(c.what);
    ResetMachine();
    sim::SetWow64(c.wow64);
    sim::AddFile(c.installed);
    const StoredValue& removed = c.wow64 ? x86 : x64;
    const StoredValue& stays = c.wow64 ? x64 : x86;
    // Two sources of the control removed, one of the other control, one of
    // another program's.
    const std::u16string first = u"First", second = u"Second", kept = u"Kept", foreign = u"Foreign";
    const auto key = [](const std::u16string& name) { return scribbet::SourceKeyPath(name); };
    for (const auto& name : {first, second}) {
      StoreValue(key(name), u"EventMessageFile", removed.type, removed.bytes);
      StoreValue(key(name), u"TypesSupported", REG_DWORD, Number(3).bytes);
    }
    StoreValue(key(kept), u"EventMessageFile", stays.type, stays.bytes);
    StoreValue(key(foreign), u"EventMessageFile", other.type, other.bytes);
    if (c.failing) sim::FailOneCall(c.failing, 1, ERROR_ACCESS_DENIED);

    const auto outcome = scribbet::sources::GiveSourcesToOtherControl();
    EXPECT_EQ(outcome.failed.has_value(), c.failing != nullptr);
    EXPECT_TRUE(outcome.notTakenBack.empty());
    for (const auto& name : {first, second}) {
      EXPECT_EQ(ReadStoredValue(key(name), u"EventMessageFile"), c.given ? stays : removed);
      EXPECT_EQ(ReadStoredValue(key(name), u"TypesSupported"), Number(3));
    }
    EXPECT_EQ(ReadStoredValue(key(kept), u"EventMessageFile"), stays);
    EXPECT_EQ(ReadStoredValue(key(foreign), u"EventMessageFile"), other);
  }
  ResetMachine();
}
