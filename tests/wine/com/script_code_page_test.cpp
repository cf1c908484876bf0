// A real script host sending text of the process's ANSI code page, and text
// that page cannot hold, as message and source name. VBScript files are read
// in the ANSI code page (Wine's host takes no UTF-16 files, and its ChrW is a
// stub), so they carry text of the page; JScript spells any character as an
// escape, so its files are plain ASCII. Output stays ASCII: Wine's VBScript
// spells Booleans in the user's language, so they are echoed as numbers.
#include "tests/wine/com/com_support.h"

#include "control/Scribbet.h"
#include "platform/ansi.h"
#include "tests/support/event_trace.h"
#include "tests/support/machine.h"
#include "tests/support/page_texts.h"
#include "tests/wine/com/script_runner.h"

using namespace com_testing;
using namespace testing_support;

namespace {

// The text as a JScript string literal of \uXXXX escapes.
std::string JsText(const std::u16string& text) {
  static const char hex[] = "0123456789abcdef";
  std::string out = "\"";
  for (char16_t c : text) {
    out += "\\u";
    for (int shift = 12; shift >= 0; shift -= 4) out += hex[(c >> shift) & 0xF];
  }
  return out + "\"";
}

}  // namespace

TEST(ScriptCodePage, VbscriptTextOfThePageArrivesIntact) {
  const PageTexts* page = TextsOf(platform::AnsiCodePage());
  ASSERT_NE(page, nullptr) << "no texts for code page " << platform::AnsiCodePage();
  testing_support::EventTrace trace;
  const std::u16string name = UniqueName(page->nameStem);
  const std::u16string held = u"\"" + page->held + u"\"";
  const std::string output = RunScript("scribbet-page.vbs", platform::ToAnsi(
      u"Set c = CreateObject(\"ScribbetLib.Scribbet\")\n"
      u"msg = " + held + u"\n"
      u"t = 1\n"
      u"n = \"" + name + u"\"\n"
      u"r = c.WriteEvent(msg, t, n)\n"
      u"WScript.Echo \"held \" & r & \" \" & Abs(msg = " + held + u") & \" \" & Abs(n = \"" +
      name + u"\")\n"));
  EXPECT_EQ(output, "held 1 1 1\n");
  const auto events = trace.NewEvents();
  ASSERT_EQ(events.size(), 1u);
  EXPECT_EQ(events[0].strings, std::vector<std::u16string>{page->held});
  EXPECT_EQ(events[0].source, name);
  EXPECT_TRUE(KeyExistsUnderWideName(scribbet::SourceKeyPath(name)));
}

TEST(ScriptCodePage, JscriptTextOfThePageArrivesIntact) {
  const PageTexts* page = TextsOf(platform::AnsiCodePage());
  ASSERT_NE(page, nullptr) << "no texts for code page " << platform::AnsiCodePage();
  testing_support::EventTrace trace;
  const std::u16string name = UniqueName(page->nameStem);
  const std::string output = RunScript("scribbet-page.js",
      "var c = new ActiveXObject(\"ScribbetLib.Scribbet\");\n"
      "WScript.Echo(\"held \" + c.WriteEvent(" + JsText(page->held) + ", 3, " + JsText(name) +
          "));\n");
  EXPECT_EQ(output, "held 1\n");
  const auto events = trace.NewEvents();
  ASSERT_EQ(events.size(), 1u);
  EXPECT_EQ(events[0].type, 4);
  EXPECT_EQ(events[0].strings, std::vector<std::u16string>{page->held});
  EXPECT_EQ(events[0].source, name);
  EXPECT_TRUE(KeyExistsUnderWideName(scribbet::SourceKeyPath(name)));
}

TEST(ScriptCodePage, JscriptTextThePageCannotHoldArrivesAsDefaultCharacters) {
  const PageTexts* page = TextsOf(platform::AnsiCodePage());
  ASSERT_NE(page, nullptr) << "no texts for code page " << platform::AnsiCodePage();
  testing_support::EventTrace trace;
  const std::u16string marks(page->foreign.size(), u'?');
  const std::u16string name = UniqueName(u"x" + page->foreign);
  std::u16string given = name;
  given.replace(1, marks.size(), marks);
  const std::string output = RunScript("scribbet-foreign.js",
      "var c = new ActiveXObject(\"ScribbetLib.Scribbet\");\n"
      "WScript.Echo(\"foreign \" + c.WriteEvent(" + JsText(u"ab" + page->foreign + u"cd") + ", 2, " +
          JsText(name) + "));\n");
  EXPECT_EQ(output, "foreign 1\n");
  const auto events = trace.NewEvents();
  ASSERT_EQ(events.size(), 1u);
  EXPECT_EQ(events[0].strings, std::vector<std::u16string>{u"ab" + marks + u"cd"});
  EXPECT_EQ(events[0].dataSize, 5u + marks.size());  // one byte each, nothing cut off
  EXPECT_EQ(events[0].source, given);
  EXPECT_TRUE(KeyExistsUnderWideName(scribbet::SourceKeyPath(given)));
}
