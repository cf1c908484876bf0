// Which file a source's message-file text names, as the event viewer finds
// it: its environment strings expanded ("%SystemRoot%", "%windir%"), "/"
// read as "\", "." and ".." and doubled separators resolved, and letters of
// either case the same. "C:\WINNT\system32\scribbet.ocx" names the control
// that "%SystemRoot%\System32\Scribbet.ocx" names.
#pragma once

#include <string>
#include <string_view>

namespace scribbet::sources {

// TEXT with its environment strings expanded, or as it stands when they
// cannot be.
std::u16string ExpandedText(std::u16string_view text);

// The file TEXT names, in one spelling for every way of naming it.
std::u16string ResolvedFile(std::u16string_view text);

// Whether TEXT names FILE.
bool NamesFile(std::u16string_view text, std::u16string_view file);

}  // namespace scribbet::sources
