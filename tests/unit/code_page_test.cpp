// Text in the script of the ANSI code page the process runs under, and text
// that page cannot hold, on its way to the event log and the registry. The
// suite runs once per code page (see tests/unit/CMakeLists.txt).
#include "tests/unit/write_event_fixture.h"

#include <algorithm>
#include <cstdlib>

#include "platform/ansi.h"
#include "platform/handles.h"
#include "platform/registry.h"
#include "tests/support/page_texts.h"
#include "scribbet_names.h"

using namespace testing_support;

namespace {


}  // namespace

TEST(CodePage, IsTheOneTheRunAskedFor) {
  const char* expected = std::getenv("SCRIBBET_EXPECTED_CODE_PAGE");
  const UINT page = expected && *expected ? std::strtoul(expected, nullptr, 10) : 1252;
  EXPECT_EQ(platform::AnsiCodePage(), page);
}

class CodePageTest : public WriteEventTest {
 protected:
  void SetUp() override {
    WriteEventTest::SetUp();
    texts = TextsOf(platform::AnsiCodePage());
    ASSERT_NE(texts, nullptr) << "no texts for code page " << platform::AnsiCodePage();
  }
  const PageTexts* texts = nullptr;
};

TEST_F(CodePageTest, TextOfThePageArrivesIntactInTheLogAndTheRegistry) {
  const std::u16string name = UniqueName(texts->nameStem);
  const Call call = Write(texts->held, 3, name);
  EXPECT_EQ(call.result, 1);
  EXPECT_EQ(call.message, texts->held);
  EXPECT_EQ(call.name, name);

  const auto events = Events();
  ASSERT_EQ(events.size(), 1u);
  EXPECT_EQ(events[0].strings, std::vector<std::u16string>{texts->held});
  EXPECT_EQ(events[0].dataSize, std::max(texts->held.size(), texts->heldBytes) + 1);
  if (events[0].source) {
    EXPECT_EQ(*events[0].source, name);
  }
  EXPECT_TRUE(KeyExistsUnderWideName(SourceKey(name)));
  EXPECT_EQ(ReadStoredValue(SourceKey(name), u"EventMessageFile"), kOurMessageFile);
  EXPECT_EQ(ReadStoredValue(SourceKey(name), u"TypesSupported"), Number(7));

  // A second call finds the source registered under that name.
  EXPECT_EQ(Write(texts->held, 1, name).result, 1);
  EXPECT_EQ(Events().size(), 2u);
}

TEST_F(CodePageTest, CharactersThePageCannotHoldBecomeItsDefaultCharacter) {
  const std::u16string marks(texts->foreign.size(), u'?');
  const Call call = Write(u"ab" + texts->foreign + u"cd", 2, UniqueName(u"x" + texts->foreign));
  EXPECT_EQ(call.result, 1);
  // One default character for each, and nothing before or after them lost.
  EXPECT_EQ(call.message, u"ab" + marks + u"cd");
  ASSERT_EQ(call.name.substr(0, 1 + marks.size()), u"x" + marks);

  const auto events = Events();
  ASSERT_EQ(events.size(), 1u);
  EXPECT_EQ(events[0].strings, std::vector<std::u16string>{call.message});
  EXPECT_EQ(events[0].dataSize, call.message.size() + 1);
  if (events[0].data) {
    const std::string bytes = "ab" + std::string(marks.size(), '?') + "cd";
    std::vector<std::uint8_t> expected(bytes.begin(), bytes.end());
    expected.push_back(0);
    EXPECT_EQ(*events[0].data, expected);
  }
  if (events[0].source) {
    EXPECT_EQ(*events[0].source, call.name);
  }
  // The source is registered under the name as the page gave it back.
  EXPECT_TRUE(KeyExistsUnderWideName(SourceKey(call.name)));
  EXPECT_EQ(ReadStoredValue(SourceKey(call.name), u"EventMessageFile"), kOurMessageFile);
}

// The control registers its file's path wide; a program that reads the value
// through the ANSI function gets it as the page spells it, the page's
// default character for what it cannot hold.
TEST_F(CodePageTest, AWideRegistryValueReadsBackThroughTheAnsiFunctionInThePage) {
  const std::u16string text = texts->held + texts->foreign;
  const std::string expected(platform::ToAnsi(text));
  EXPECT_EQ(expected, platform::ToAnsi(texts->held) + std::string(texts->foreign.size(), '?'));
  constexpr char kKey[] = "Software\\Scribbet wide value test";
  platform::unique_hkey key;
  ASSERT_EQ(platform::KeepIfOpened(
                key, platform::RegCreateKeyExA(HKEY_CURRENT_USER, kKey, 0, nullptr, 0,
                                               KEY_SET_VALUE | KEY_QUERY_VALUE, nullptr,
                                               key.put(), nullptr)),
            ERROR_SUCCESS);
  const std::u16string terminated = text + u'\0';
  ASSERT_EQ(platform::RegSetValueExW(key.get(), reinterpret_cast<LPCWSTR>(u"Path"), 0, REG_SZ,
                                     reinterpret_cast<const BYTE*>(terminated.data()),
                                     static_cast<DWORD>(terminated.size() * sizeof(char16_t))),
            ERROR_SUCCESS);
  char buffer[512] = {};
  DWORD type = 0, size = sizeof buffer;
  ASSERT_EQ(platform::RegQueryValueExA(key.get(), "Path", nullptr, &type,
                                       reinterpret_cast<BYTE*>(buffer), &size),
            ERROR_SUCCESS);
  EXPECT_EQ(type, REG_SZ);
  EXPECT_EQ(std::string(buffer, size), expected + '\0');
  key.reset();
  EXPECT_EQ(platform::RegDeleteKeyA(HKEY_CURRENT_USER, kKey), ERROR_SUCCESS);
}

TEST_F(CodePageTest, LongTextOfThePageIsReportedWhole) {
  const std::size_t copies = 20000 / texts->held.size();
  std::u16string message;
  for (std::size_t i = 0; i < copies; ++i) message += texts->held;
  const Call call = Write(message, 3, UniqueName(u"long"));
  EXPECT_EQ(call.result, 1);
  EXPECT_EQ(call.message, message);

  const auto events = Events();
  ASSERT_EQ(events.size(), 1u);
  EXPECT_EQ(events[0].dataSize, copies * std::max(texts->held.size(), texts->heldBytes) + 1);
  ASSERT_EQ(events[0].strings.size(), 1u);
  if (events[0].truncated) {  // Wine's trace shows only the start of it
    EXPECT_EQ(events[0].strings[0], message.substr(0, events[0].strings[0].size()));
  } else {
    EXPECT_EQ(events[0].strings[0], message);
  }
}

// Plain ASCII ends at U+007F: every page holds it as it is. U+0080 already
// goes through the page, which on a Western system gives it back changed;
// alone, as no other character hides it.
TEST_F(CodePageTest, TheLastAsciiCharacterIsKeptAndTheNextGoesThroughThePage) {
  for (const std::u16string text : {u"\u007F", u"\u0080"}) {
    SCOPED_TRACE(static_cast<int>(text[0]));
    const Call call = Write(text, 3, UniqueName(u"ascii"));
    EXPECT_EQ(call.result, 1);
    EXPECT_EQ(call.message, platform::AnsiRoundTrip(text));
  }
  EXPECT_EQ(platform::AnsiRoundTrip(u"\u007F"), u"\u007F");
  if (platform::AnsiCodePage() == 1252) {
    EXPECT_NE(platform::AnsiRoundTrip(u"\u0080"), u"\u0080");
  }
}
