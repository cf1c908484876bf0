// The command line that opens a target in the user's web browser through the
// system's URL handler. The launcher and the control's About page build it
// the same way; only the directory part they put in front differs.
#pragma once

#include <optional>
#include <string>
#include <string_view>

// The show mode the URL handler is started with: minimized and active, so
// the handler's own window never comes between the user and the browser.
inline constexpr unsigned short kUrlHandlerShowMode = 2;

inline constexpr char16_t kUrlHandlerProgramFile[] = u"rundll32.exe";
inline constexpr char16_t kUrlHandlerEntryPoint[] = u" url.dll,FileProtocolHandler ";

// The handler's path in quotes, then its entry point and the target:
// "<directory>rundll32.exe" url.dll,FileProtocolHandler <target>. Unquoted,
// a directory with a blank in it ("E:\Windows NT\") would have the system
// try "E:\Windows.exe" first. The directory ends in a separator. When it is
// empty, the system could not say where the handler is: there is no line,
// for a line without it would start whatever program of that name the
// search finds first (the current folder is searched before the system's).
// The target is left as it is: the handler takes everything after its entry
// point's name as one target, blanks and all.
inline std::optional<std::u16string> UrlHandlerCommandLine(std::u16string_view directory,
                                                           std::u16string_view target) {
  if (directory.empty()) return std::nullopt;
  std::u16string line(u"\"");
  line += directory;
  line += kUrlHandlerProgramFile;
  line += u'"';
  line += kUrlHandlerEntryPoint;
  line += target;
  return line;
}
