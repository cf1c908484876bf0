// Real script hosts: cscript running VBScript and JScript against the
// registered control.
#include "tests/wine/com/com_support.h"

#include "tests/support/event_trace.h"
#include "tests/support/machine.h"
#include "tests/wine/com/script_runner.h"

using namespace com_testing;

namespace {

std::string Source(const char* stem) {
  return testing_support::Narrow(testing_support::UniqueName(
      std::u16string(stem, stem + strlen(stem))));
}

}  // namespace

TEST(ScriptHost, VbscriptVariablesComeBackWritten) {
  testing_support::EventTrace trace;
  const std::string source = Source("vbs");
  const std::string output = RunScript("scribbet-test.vbs",
      "Set c = CreateObject(\"ScribbetLib.Scribbet\")\n"
      "msg = \"written by VBScript\"\n"
      "t = 3\n"
      "n = \"\"\n"
      "r = c.WriteEvent(msg, t, n)\n"
      "WScript.Echo \"first \" & r & \" \" & t & \" \" & TypeName(t) & \" \" & n\n"
      "r = c.WriteEvent(msg, t, n)\n"
      "WScript.Echo \"again \" & r & \" \" & t\n"
      "t = 1\n"
      "r = c.WriteEvent(\"a literal\", t)\n"
      "WScript.Echo \"two arguments \" & r\n"
      "name = \"" + source + "\"\n"
      "t = 2\n"
      "r = c.WriteEvent(msg, t, name)\n"
      "WScript.Echo \"named source \" & r & \" \" & name\n");
  EXPECT_EQ(output,
            "first 1 4 Integer Scribbet\n"
            "again 0 4\n"
            "two arguments 1\n"
            "named source 1 " + source + "\n");
  const auto events = trace.NewEvents();
  ASSERT_EQ(events.size(), 3u);
  EXPECT_EQ(events[0].type, 4);
  EXPECT_EQ(events[0].strings, std::vector<std::u16string>{u"written by VBScript"});
  EXPECT_EQ(events[1].type, 1);
  EXPECT_EQ(events[1].strings, std::vector<std::u16string>{u"a literal"});
  EXPECT_EQ(events[2].type, 2);
}

TEST(ScriptHost, VbscriptErrorsForBadArguments) {
  const std::string output = RunScript("scribbet-errors.vbs",
      "Set c = CreateObject(\"ScribbetLib.Scribbet\")\n"
      "On Error Resume Next\n"
      "r = c.WriteEvent(\"m\", \"three\")\n"
      "WScript.Echo \"text as type \" & Err.Number\n"
      "Err.Clear\n"
      "r = c.WriteEvent(\"m\")\n"
      "WScript.Echo \"one argument \" & Err.Number\n"
      "Err.Clear\n"
      "r = c.WriteEvent(\"m\", 70000)\n"
      "WScript.Echo \"overflow \" & Err.Number\n");
  EXPECT_EQ(output,
            "text as type 13\n"
            "one argument 450\n"
            "overflow 6\n");
}

TEST(ScriptHost, JscriptPassesEverythingByValue) {
  testing_support::EventTrace trace;
  const std::string output = RunScript("scribbet-test.js",
      "var c = new ActiveXObject(\"ScribbetLib.Scribbet\");\n"
      "var t = 3, n = \"\";\n"
      "var r = c.WriteEvent(\"written by JScript\", t, n);\n"
      "WScript.Echo(\"first \" + r + \" \" + t + \" [\" + n + \"]\");\n"
      "WScript.Echo(\"two arguments \" + c.WriteEvent(\"no name\", 1));\n"
      "WScript.Echo(\"refused \" + c.WriteEvent(\"four\", 4, \"x\"));\n");
  EXPECT_EQ(output,
            "first 1 3 []\n"
            "two arguments 1\n"
            "refused 0\n");
  const auto events = trace.NewEvents();
  ASSERT_EQ(events.size(), 2u);
  EXPECT_EQ(events[0].type, 4);
  EXPECT_EQ(events[0].strings, std::vector<std::u16string>{u"written by JScript"});
}
