// The event-source list as Setup and the Windows Installer package read it:
// every list either gives its names or is refused with a message naming the
// item and the reason. Runs under the usual Western code page, 1252.
#include "installer/sources/source_list.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/ansi.h"
#include "tests/support/list_outcome.h"

namespace {

using scribbet::setup::ParseSourceList;
using testing_support::ExpectListOutcome;

struct ListCase {
  const char* what;
  std::u16string list;
  std::vector<std::u16string> names;  // when accepted
  std::u16string refusal;             // a part of the message, when refused
};


const std::u16string k255(255, u'n');
const std::u16string k256(256, u'n');

const std::vector<ListCase> kListCases = {
    {"two names", u"Billing;Nightly Backup", {u"Billing", u"Nightly Backup"}, {}},
    {"blanks around names go", u"  Billing ;\tNightly Backup\t", {u"Billing", u"Nightly Backup"}, {}},
    {"nothing named", u"", {}, {}},
    {"a blank list names nothing", u"  \t ", {}, {}},
    {"a name given twice counts once", u"Billing;Payroll;billing ; BILLING", {u"Billing", u"Payroll"}, {}},
    {"code-page letters", u"M\u00FCller Sp\u00E9cial;\u00C5r", {u"M\u00FCller Sp\u00E9cial", u"\u00C5r"}, {}},
    {"twice in Latin-1 capitals", u"\u00E9t\u00E9;\u00C9T\u00C9", {u"\u00E9t\u00E9"}, {}},
    {"the last Latin-1 pair", u"\u00FE;\u00DE", {u"\u00FE"}, {}},
    {"the last ASCII character", u"Rub\u007F", {u"Rub\u007F"}, {}},
    {"the longest key name", k255, {k255}, {}},
    {"a log's name inside a longer one", u"Application Server;My System", {u"Application Server", u"My System"}, {}},
    {"an empty item", u"Billing;;Payroll", {}, u"has an empty item (item 2)"},
    {"a trailing separator", u"Billing;", {}, u"has an empty item (item 2)"},
    {"a blank item", u"Billing; ;Payroll", {}, u"has an empty item (item 2)"},
    {"a backslash", u"Billing;Nightly\\Backup", {}, u"\"Nightly\\Backup\" cannot be registered: a backslash"},
    {"one character too long", u"Billing;" + k256, {}, u"it has 256 characters, and the name of a registry key may have at most 255"},
    {"the Application log", u"application", {}, u"\"application\" cannot be registered: it is the name of the Application log"},
    {"the System log", u"Billing; System ", {}, u"\"System\" cannot be registered: it is the name of the System log"},
    {"the Security log", u"SECURITY", {}, u"it is the name of the Security log"},
    {"outside the code page", u"Billing;\u8ACB\u6C42", {}, u"\"\u8ACB\u6C42\" cannot be registered: the character U+8ACB has no place in this computer's code page 1252"},
    {"only a best fit in the code page", u"\u0100dam", {}, u"the character U+0100 has no place"},
    {"only a best fit at the end", u"Adam\u0100", {}, u"\"Adam\u0100\" cannot be registered: the character U+0100 has no place"},
    {"the first character past ASCII, alone", u"\u0080", {}, u"the character U+0080 has no place"},
};

TEST(SourceList, AcceptsOrRefusesEachList) {
  ASSERT_EQ(platform::AnsiCodePage(), 1252u) << "the table is written for code page 1252";
  for (const ListCase& c : kListCases) {
    SCOPED_TRACE(c.what);
    ExpectListOutcome([&] { return ParseSourceList(c.list); }, c.names, c.refusal);
  }
}

}  // namespace
