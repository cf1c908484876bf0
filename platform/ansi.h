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

// A text in the ANSI code page, and whether it was plain ASCII, which every
// ANSI code page holds unchanged, one byte per character.
struct AnsiText {
  std::string bytes;
  bool ascii;
};

// Characters the code page cannot hold become its default character. Plain
// ASCII is narrowed byte for byte in the same pass that finds it is ASCII,
// so a caller that needs both pays for one pass over the text.
AnsiText ToAnsiText(std::u16string_view text);
inline std::string ToAnsi(std::u16string_view text) { return ToAnsiText(text).bytes; }
std::u16string FromAnsi(std::string_view bytes);

// Whether every character is plain ASCII. No early exit: the loop without
// branches is vectorised, and most texts are ASCII to the end anyway.
inline bool IsAscii(std::u16string_view text) {
  char16_t seen = 0;
  for (char16_t c : text) seen |= c;
  return seen < 0x80;
}

// The conversion's first step on every platform: `bytes` becomes the text
// narrowed byte for byte, which is its conversion when the result says the
// text was plain ASCII, and is to be converted properly otherwise. One loop
// without branches, as IsAscii's.
inline bool NarrowAscii(std::u16string_view text, std::string& bytes) {
  bytes.resize(text.size());
  const char16_t* in = text.data();
  char* out = bytes.data();
  char16_t seen = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    seen |= in[i];
    out[i] = static_cast<char>(in[i]);
  }
  return seen < 0x80;
}

// The text as it comes back from a trip through the ANSI code page.
inline std::u16string AnsiRoundTrip(std::u16string_view text) {
  return FromAnsi(ToAnsi(text));
}

}  // namespace platform
