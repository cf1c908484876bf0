// Which sources named at setup get registered: only those whose key is
// missing or names no message file. The keys of other programs stay as they
// are, whether the installing user may read them or not; the installing
// user needs no right but reading.
#include "installer/sources/sources_to_register.h"

#include <gtest/gtest.h>

#include "shared/source_key.h"
#include "tests/support/machine.h"

using namespace testing_support;
using scribbet::setup::LeftAlone;
using scribbet::setup::SourcesToRegister;

namespace {

std::u16string SourceKey(const std::u16string& name) { return scribbet::kSourceKeyPrefix + name; }

StoredValue Expandable(const std::string& text) {
  StoredValue value = Text(text);
  value.type = REG_EXPAND_SZ;
  return value;
}

}  // namespace

TEST(SourcesToRegisterTest, OnlyFreeNamesAreRegisteredAndOthersKeysAreLeftAsTheyAre) {
  ResetMachine();
  const std::u16string fresh = UniqueName(u"Fresh One");
  const std::u16string typesOnly = UniqueName(u"Types Only");
  const std::u16string kept = UniqueName(u"Kept By Others");
  const std::u16string locked = UniqueName(u"Locked By Others");
  const StoredValue otherFile = Expandable("%SystemRoot%\\other.dll");
  StoreValue(SourceKey(typesOnly), u"TypesSupported", REG_DWORD, Number(7).bytes);
  StoreValue(SourceKey(kept), u"EventMessageFile", otherFile.type, otherFile.bytes);
  std::vector<std::u16string> names = {fresh, kept, typesOnly};
  std::vector<std::pair<std::u16string, LeftAlone>> leftAlone = {{kept, LeftAlone::Registered}};
  if constexpr (kSimulated) {
    // A standard user: reading only, and one key not even that. The other
    // program's key can no longer be opened with the rights the control
    // asks for, but it can still be read.
    StoreValue(SourceKey(locked), u"EventMessageFile", otherFile.type, otherFile.bytes);
    platform::sim::LimitKeyRights("", platform::sim::kReadRights);
    platform::sim::LimitKeyRights(Narrow(SourceKey(locked)), 0);
    names.insert(names.begin() + 1, locked);
    leftAlone.insert(leftAlone.begin(), {locked, LeftAlone::Unreadable});
  }

  const auto plan = SourcesToRegister(names);
  EXPECT_EQ(plan.toRegister, (std::vector<std::u16string>{fresh, typesOnly}));
  EXPECT_EQ(plan.leftAlone, leftAlone);
  // Deciding writes nothing.
  EXPECT_FALSE(KeyExists(SourceKey(fresh)));
  EXPECT_FALSE(ReadStoredValue(SourceKey(typesOnly), u"EventMessageFile"));
  EXPECT_EQ(ReadStoredValue(SourceKey(kept), u"EventMessageFile"), otherFile);
  DeleteKey(SourceKey(typesOnly));
  DeleteKey(SourceKey(kept));
}
