// Setup's /SOURCES= option read from Setup's command line as NSIS hands it
// on: each line gives its list, no list, or a refusal.
#include "installer/sources/sources_option.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "tests/support/list_outcome.h"

namespace {

using testing_support::ExpectListOutcome;
using scribbet::setup::SourcesOption;

struct OptionCase {
  const char* what;
  std::u16string commandLine;
  std::optional<std::u16string> list;  // nothing: no option given
  std::u16string refusal = {};  // a part of the message, when refused
};

const std::u16string kSetup = u"\"C:\\Users\\Ann Lee\\Downloads\\Scribbet-setup-x86.exe\" ";

const std::vector<OptionCase> kOptionCases = {
    {"a name with a slash", kSetup + u"/S /SOURCES=Backup/Restore;Payroll", u"Backup/Restore;Payroll"},
    {"blanks inside names, to the end of the line", kSetup + u"/SOURCES=Nightly Backup;Payroll  ",
     u"Nightly Backup;Payroll"},
    {"unquoted, up to Setup's next switch", kSetup + u"/SOURCES=Billing /S", u"Billing"},
    {"quoted whole, as programs pass an argument with blanks", kSetup + u"/S \"/SOURCES=A b;C/D\"", u"A b;C/D"},
    {"quoted whole, options after it", kSetup + u"\"/SOURCES=A b;C/D\" /S", u"A b;C/D"},
    {"the value quoted, a switch after it", kSetup + u"/SOURCES=\"Nightly Backup\" /S", u"Nightly Backup"},
    {"inside quotes a blank and a slash are the name's", kSetup + u"/S /SOURCES=\"A/B /C;D\"", u"A/B /C;D"},
    {"a quote mark inside a name", kSetup + u"/S /SOURCES=Bob's Tools;Nightly", u"Bob's Tools;Nightly"},
    {"the folder after it stays the folder's", kSetup + u"/S /SOURCES=A;B/C /D=C:\\Program Files\\Scribbet", u"A;B/C"},
    {"in any letter case", kSetup + u"/s /sources=Billing", u"Billing"},
    {"given with nothing", kSetup + u"/S /SOURCES=", u""},
    {"program name without quotes", u"setup.exe /SOURCES=Billing", u"Billing"},
    {"no option", kSetup + u"/S", std::nullopt},
    {"no command line at all", u"", std::nullopt},
    {"only inside the program's name", u"\"C:\\x /SOURCES=A\\setup.exe\" /S", std::nullopt},
    {"only inside another option's value", kSetup + u"/NAME=/SOURCES=A", std::nullopt},
    {"only inside a quoted argument", kSetup + u"\"/X /SOURCES=A\"", std::nullopt},
    {"given twice", kSetup + u"/SOURCES=A /SOURCES=B", std::nullopt, u"/SOURCES= is given more than once"},
    {"given twice, quoted whole", kSetup + u"\"/SOURCES=A\" \"/SOURCES=B\"", std::nullopt,
     u"/SOURCES= is given more than once"},
    {"a quote never closed", kSetup + u"/SOURCES=\"Nightly Backup /S", std::nullopt, u"never closed"},
    {"quoted whole, never closed", kSetup + u"\"/SOURCES=Nightly Backup /S", std::nullopt, u"never closed"},
    {"a double quote inside a name", kSetup + u"/SOURCES=The \"Big\" One;Nightly", std::nullopt,
     u"a quote mark inside a name"},
    {"text right after the closing quote", kSetup + u"/SOURCES=\"A\"B /S", std::nullopt,
     u"right after its closing quote mark"},
};

TEST(SourcesOption, ReadsEachCommandLine) {
  for (const OptionCase& c : kOptionCases) {
    SCOPED_TRACE(c.what);
    ExpectListOutcome([&] { return SourcesOption(c.commandLine); }, c.list, c.refusal);
  }
}

}  // namespace
