// Setup's /SOURCES= option as it stands on Setup's command line, read as
// Setup reads its switches: a value ends where Setup's next switch begins,
// unless it is quoted.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace scribbet::setup {

// The list given with /SOURCES= in COMMAND_LINE, Setup's own command line with
// the program's name first, or nothing when the option is not there.
// Arguments are separated by blanks, an argument may be quoted whole, and
// letter case does not count in the option's name.
//  * /SOURCES="LIST" and "/SOURCES=LIST" end at the closing quote; the rest
//    of the line is Setup's (/SOURCES="Nightly Backup" /S installs
//    silently). Inside the quotes a blank and a "/" belong to the names.
//  * /SOURCES=LIST unquoted ends where a blank is followed by "/", which
//    starts Setup's next switch (/S, /D=FOLDER), or at the end of the line.
// A value that cannot be read so raises SourceListError, as does the option
// named twice (which list was meant cannot be told): a quote mark that is
// never closed, one inside an unquoted list (a name cannot hold one), and
// text right after a closing quote.
std::optional<std::u16string> SourcesOption(std::u16string_view commandLine);

}  // namespace scribbet::setup
