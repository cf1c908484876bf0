// The sources a setup names, registered as one step, against the registry:
// the simulated one on the host, Wine's under Wine. After a failure the keys
// are as they were before the run, whichever write failed.
#include "installer/sources/source_registration.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "control/RegisterAppSource.h"
#include "platform/ansi.h"
#include "platform/handles.h"
#include "tests/support/machine.h"
#ifdef _WIN32
#include "tests/support/refuse_writing.h"
#endif

using namespace testing_support;

namespace {

using scribbet::setup::RegisterSources;

std::u16string PathOf(const std::u16string& name) { return scribbet::kSourceKeyPrefix + name; }

// What a run may touch in a source's key, and one value it must never touch.
struct KeyState {
  bool exists;
  std::optional<StoredValue> messageFile, types, category;
  bool operator==(const KeyState&) const = default;
};

KeyState StateOf(const std::u16string& name) {
  const std::u16string path = PathOf(name);
  return {KeyExists(path), ReadStoredValue(path, u"EventMessageFile"),
          ReadStoredValue(path, u"TypesSupported"), ReadStoredValue(path, u"CategoryCount")};
}

std::vector<std::uint8_t> Bytes(const std::string& text) {
  std::vector<std::uint8_t> bytes(text.begin(), text.end());
  bytes.push_back(0);
  return bytes;
}

// The sources of one run: a new one, one whose key holds other values (the
// supported types among them) but no message file, one another program
// registered, and a last one.
class SourceRegistrationTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetMachine();
    StoreValue(PathOf(hadOthers), u"CategoryCount", REG_DWORD, Number(3).bytes);
    StoreValue(PathOf(hadOthers), u"TypesSupported", REG_DWORD, Number(7).bytes);
    StoreValue(PathOf(registered), u"EventMessageFile", REG_EXPAND_SZ,
               Bytes("%SystemRoot%\\other.dll"));
  }
  void TearDown() override {
    for (const auto& name : {fresh, hadOthers, registered, last}) DeleteKey(PathOf(name));
  }

  std::vector<KeyState> States() const {
    std::vector<KeyState> states;
    for (const auto& name : {fresh, hadOthers, registered, last}) states.push_back(StateOf(name));
    return states;
  }

  const std::u16string fresh = UniqueName(u"First Name");
  const std::u16string hadOthers = UniqueName(u"Had Others");
  const std::u16string registered = UniqueName(u"Kept By Others");
  const std::u16string last = UniqueName(u"Last Name");
};

// The first name is written whole; the key of the next one written is there
// and refuses writing (the registered source between them is not written):
// the first goes again, and the keys that were there keep what they held.
TEST_F(SourceRegistrationTest, AFailureTakesBackTheSourcesOfItsRun) {
  const std::u16string locked = last;
  StoreValue(PathOf(locked), u"CategoryCount", REG_DWORD, Number(5).bytes);
#ifdef _WIN32
  const std::u16string lockedPath = PathOf(locked);
  ASSERT_EQ(RefuseWriting(HKEY_LOCAL_MACHINE, reinterpret_cast<const wchar_t*>(lockedPath.c_str())),
            static_cast<DWORD>(ERROR_SUCCESS));
  HKEY key = nullptr;
  ASSERT_EQ(platform::RegOpenKeyExA(HKEY_LOCAL_MACHINE, platform::ToAnsi(lockedPath).c_str(), 0,
                                    scribbet::kKeyAccess, &key),
            ERROR_ACCESS_DENIED)
      << "the key's security does not refuse writing";
#else
  // The first name's key and its two values are the writes the registry
  // still takes: it refuses the locked key's first value.
  platform::sim::LimitRegistryWrites(3);
#endif
  const auto before = States();
  scribbet::Reghack registry;
  const auto outcome = RegisterSources(registry, {fresh, registered, locked});
  if constexpr (kSimulated) platform::sim::LimitRegistryWrites(-1);
  EXPECT_EQ(outcome.failed, locked);
  EXPECT_TRUE(outcome.notTakenBack.empty());
  EXPECT_FALSE(KeyExists(PathOf(fresh))) << "the first name's key is left";
  EXPECT_EQ(States(), before);
}

// Every write of a run fails in turn; each time the registry is left as the
// run found it, and the source named is the one whose write failed.
SIMULATED_TEST_F(SourceRegistrationTest, EveryFailureLeavesTheKeysAsTheyWere) {
  // A new key and its two values; the two values of the key with others,
  // whose types already read as the registration writes them, so that a
  // refused write of them leaves it registered; none for the registered
  // source; the last key and its values.
  const std::vector<std::pair<int, std::u16string>> failingAt = {
      {0, fresh}, {1, fresh}, {2, fresh}, {3, hadOthers}, {4, last}, {5, last}, {6, last}, {7, last}};
  const auto before = States();
  for (const auto& [writes, name] : failingAt) {
    SCOPED_TRACE("registry full after " + std::to_string(writes) + " writes");
    platform::sim::LimitRegistryWrites(writes);
    scribbet::Reghack registry;
    const auto outcome = RegisterSources(registry, {fresh, hadOthers, registered, last});
    platform::sim::LimitRegistryWrites(-1);
    EXPECT_EQ(outcome.failed, name);
    EXPECT_TRUE(outcome.notTakenBack.empty());
    EXPECT_EQ(States(), before);
  }

  platform::sim::LimitRegistryWrites(8);
  scribbet::Reghack registry;
  EXPECT_EQ(RegisterSources(registry, {fresh, hadOthers, registered, last}).failed, std::nullopt);
  for (const auto& name : {fresh, hadOthers, last})
    EXPECT_TRUE(StateOf(name).messageFile && StateOf(name).types) << Narrow(name);
  EXPECT_EQ(StateOf(hadOthers).category, before[1].category);
  EXPECT_EQ(StateOf(registered), before[2]);
}

}  // namespace
