// A registry that fills up part-way through a source's registration. The
// message file alone must not make the source count as registered: a later
// call, with room again, has to complete the key.
#include "tests/unit/write_event_fixture.h"
#include "scribbet_names.h"

using namespace testing_support;
namespace sim = platform::sim;

namespace {

// The keys down to the Application log, so that a source's registration
// writes its own key and two values, and nothing else.
[[maybe_unused]] void MakeApplicationKey() {
  StoreValue(scribbet::SourceKeyPath(UniqueName(u"sibling")), u"v", REG_SZ, Text("").bytes);
}
}  // namespace

SIMULATED_TEST_F(WriteEventTest, RegistryFullBetweenTheTwoValuesLeavesTheSourceToBeRegisteredAgain) {
  MakeApplicationKey();
  const std::u16string name = UniqueName(u"fullbetween");
  sim::LimitRegistryWrites(2);  // the key and the message file, not the types
  EXPECT_EQ(Write(u"m", 1, name).result, 1);
  EXPECT_FALSE(ReadStoredValue(SourceKey(name), u"TypesSupported"));
  EXPECT_FALSE(ReadStoredValue(SourceKey(name), u"EventMessageFile"))
      << "a message file without its types counts as registered for good";

  sim::LimitRegistryWrites(-1);
  EXPECT_EQ(Write(u"m", 1, name).result, 1);
  EXPECT_EQ(ReadStoredValue(SourceKey(name), u"EventMessageFile"), kOurMessageFile);
  EXPECT_EQ(ReadStoredValue(SourceKey(name), u"TypesSupported"), Number(7));
  EXPECT_EQ(Events().size(), 2u);
}

SIMULATED_TEST_F(WriteEventTest, RegistryFullAtEitherStepStillReportsAndRegistersLater) {
  MakeApplicationKey();
  for (int writesLeft : {0, 1}) {  // no key at all; a key without values
    SCOPED_TRACE(writesLeft);
    const std::u16string name = UniqueName(u"full");
    sim::LimitRegistryWrites(writesLeft);
    EXPECT_EQ(Write(u"m", 2, name).result, 1);
    EXPECT_FALSE(ReadStoredValue(SourceKey(name), u"EventMessageFile"));
    EXPECT_EQ(KeyExists(SourceKey(name)), writesLeft == 1);

    sim::LimitRegistryWrites(-1);
    EXPECT_EQ(Write(u"m", 2, name).result, 1);
    EXPECT_EQ(ReadStoredValue(SourceKey(name), u"EventMessageFile"), kOurMessageFile);
    EXPECT_EQ(ReadStoredValue(SourceKey(name), u"TypesSupported"), Number(7));
  }
}

SIMULATED_TEST_F(WriteEventTest, TypesAlreadyInTheKeyKeepTheMessageFileWhenTheRegistryFills) {
  // Written by an earlier call whose message file did not fit: the key then
  // holds the types, and a message file written now is complete with them.
  const std::u16string name = UniqueName(u"typesfirst");
  StoreValue(SourceKey(name), u"TypesSupported", REG_DWORD, Number(7).bytes);
  sim::LimitRegistryWrites(1);
  EXPECT_EQ(Write(u"m", 3, name).result, 1);
  EXPECT_EQ(ReadStoredValue(SourceKey(name), u"EventMessageFile"), kOurMessageFile);
  EXPECT_EQ(ReadStoredValue(SourceKey(name), u"TypesSupported"), Number(7));
}
