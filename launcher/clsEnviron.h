// clsEnviron: where the Windows system directory is, as a text that a
// program file name can be appended to directly.
#pragma once

#include <string>

namespace wayfinch {

class clsEnviron {
 public:
  // The system directory followed by one separator ("C:\WINNT\System32\"),
  // or the empty text when the system cannot tell.
  std::u16string GetWindowsSysDir();

 private:
  friend class clsEnvironAccess;  // lets the tests reach the two helpers (tests/support)

  // Gives the path a trailing "\" unless, trimmed of blanks, it already ends
  // in "\" or "/". Only U+0020 counts as a blank.
  void AddBackslash(std::u16string& path);
  // The text up to its first NUL; a position past 32767 is an overflow.
  std::u16string StripNull(std::u16string text);
};

}  // namespace wayfinch
