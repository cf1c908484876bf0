// Conversion between the system's wide text (UTF-16) and the ANSI code page.
// Every text handed to an ANSI system function goes through ToAnsi just
// before the call, every buffer it fills through FromAnsi afterwards.
#pragma once

#include <string>
#include <string_view>

#include "platform/types.h"

namespace platform {

// The active ANSI code page (1252 on a Western system).
UINT AnsiCodePage();

// Characters the code page cannot hold become its default character.
std::string ToAnsi(std::u16string_view text);
std::u16string FromAnsi(std::string_view bytes);

// Whether every character is plain ASCII, which every ANSI code page holds
// unchanged. No early exit: the loop without branches is vectorised, and most
// texts are ASCII to the end anyway.
inline bool IsAscii(std::u16string_view text) {
  char16_t seen = 0;
  for (char16_t c : text) seen |= c;
  return seen < 0x80;
}

// The text as it comes back from a trip through the ANSI code page.
inline std::u16string AnsiRoundTrip(std::u16string_view text) {
  return FromAnsi(ToAnsi(text));
}

}  // namespace platform
