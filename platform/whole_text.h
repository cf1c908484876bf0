// Texts that a system function writes into the caller's buffer. Two kinds:
// one cuts the text to the buffer's size, as GetModuleFileName does (a
// result that fills the buffer may have been cut, so the call is made again
// with a buffer twice as large, up to the longest path the system knows);
// the other says how large the buffer must be, as GetEnvironmentVariable,
// GetSystemDirectory, ExpandEnvironmentStrings and MsiGetProperty do (it is
// asked with a guess, grown to that size, and asked again).
#pragma once

#include <optional>
#include <string>

#include "platform/errors.h"
#include "platform/process.h"  // MAX_PATH
#include "platform/types.h"

namespace platform {

// ask(buffer, size) writes the text when it fits in size units and returns
// how many units the text needs, its terminator included, whether or not it
// fitted; 0 on failure (then the result is nothing).
template <typename Char, typename Ask>
std::optional<std::basic_string<Char>> AskedText(DWORD guess, Ask ask) {
  std::basic_string<Char> text;
  for (DWORD size = guess;;) {
    text.assign(size, Char());
    const DWORD needed = ask(text.data(), size);
    if (needed == 0) return std::nullopt;
    if (needed <= size) {
      text.resize(needed - 1);
      return text;
    }
    size = needed;
  }
}

// fill(buffer, size) writes at most size characters and returns how many it
// wrote without a terminator, size when the text was cut, 0 on failure (then
// the result is empty, and the system's last error is still the call's).
template <typename Char, typename Fill>
std::optional<std::basic_string<Char>> ReadWholeText(Fill fill) {
  return AskedText<Char>(MAX_PATH, [&](Char* buffer, DWORD size) {
    const DWORD length = fill(buffer, size);
    if (length < size) return length ? length + 1 : 0;
    if (size >= 32768) RaiseOverflow("the path is too long");
    return size * 2;
  });
}

// The answer of a call that returns the length it wrote, without the
// terminator, when the text fits, and the size it needs otherwise (as
// GetEnvironmentVariable and GetSystemDirectory do), as AskedText takes it.
constexpr DWORD NeededFrom(DWORD answer, DWORD size) { return answer < size ? answer + 1 : answer; }

}  // namespace platform
