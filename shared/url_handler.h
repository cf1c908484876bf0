// The command line that opens a target in the user's web browser through the
// system's URL handler. The launcher and the control's About page build it
// the same way; only the directory part they put in front differs.
#pragma once

#include <string>
#include <string_view>

// The show mode the URL handler is started with: minimized and active, so
// the handler's own window never comes between the user and the browser.
inline constexpr unsigned short kUrlHandlerShowMode = 2;

inline constexpr char16_t kUrlHandlerProgram[] = u"rundll32.exe url.dll,FileProtocolHandler ";

// Directory part (ending in a separator, or empty so the system searches for
// the program), the handler, the target. Nothing is quoted: the handler takes
// everything after its entry point's name as one target, blanks and all.
inline std::u16string UrlHandlerCommandLine(std::u16string_view directory,
                                            std::u16string_view target) {
  std::u16string line(directory);
  line += kUrlHandlerProgram;
  line += target;
  return line;
}
