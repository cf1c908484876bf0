// Setup's /SOURCES= option as it stands on Setup's command line. The list is
// the rest of the line, so a name may hold a "/" (only a backslash is barred
// from a source's name) or a quote mark; the option may also be quoted whole,
// as programs quote an argument with blanks.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace scribbet::setup {

// The list given with /SOURCES= in COMMAND_LINE, Setup's own command line with
// the program's name first, or nothing when the option is not there. Setup's
// options are read as NSIS reads them: arguments are separated by blanks, an
// argument may be quoted whole, and letter case does not count.
//  * /SOURCES=LIST runs to the end of the line, blanks, quote marks and "/"
//    included, but for a last " /D=FOLDER", which NSIS keeps for the folder
//    (it takes it off the line it hands on, so this rule is NSIS's own
//    again). A LIST quoted as a whole, /SOURCES="LIST", loses its quotes.
//  * "/SOURCES=LIST" ends at its closing quote; options may follow it.
// The option named twice raises SourceListError: which list was meant cannot
// be told.
std::optional<std::u16string> SourcesOption(std::u16string_view commandLine);

}  // namespace scribbet::setup
