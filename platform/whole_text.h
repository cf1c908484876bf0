// Texts that a system function writes into the caller's buffer and cuts to
// the buffer's size, as GetModuleFileName does: a result that fills the
// buffer may have been cut, so the call is made again with a buffer twice
// as large, up to the longest path the system knows.
#pragma once

#include <optional>
#include <string>

#include "platform/errors.h"
#include "platform/process.h"  // MAX_PATH
#include "platform/types.h"

namespace platform {

// fill(buffer, size) writes at most size characters and returns how many it
// wrote without a terminator, size when the text was cut, 0 on failure (then
// the result is empty, and the system's last error is still the call's).
template <typename Char, typename Fill>
std::optional<std::basic_string<Char>> ReadWholeText(Fill fill) {
  constexpr DWORD kLongestPath = 32768;
  std::basic_string<Char> buffer;
  for (DWORD size = MAX_PATH;; size *= 2) {
    buffer.assign(size, Char());
    const DWORD length = fill(buffer.data(), size);
    if (length == 0) return std::nullopt;
    if (length < size) {
      buffer.resize(length);
      return buffer;
    }
    if (size >= kLongestPath) RaiseOverflow("the path is too long");
  }
}

}  // namespace platform
