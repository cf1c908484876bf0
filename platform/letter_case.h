// Letters of either case as the registry and the file system take them in
// the names this code compares (log and source names, message files): the
// ASCII and Latin-1 letters folded, others compared as they stand. (The
// simulated registry folds by Unicode's whole table, as the real one does.)
#pragma once

#include <algorithm>
#include <string_view>

namespace platform {

constexpr char16_t UpperCase(char16_t c) {
  if ((c >= u'a' && c <= u'z') || (c >= 0xE0 && c <= 0xFE && c != 0xF7)) return c - 0x20;
  return c;
}

constexpr bool SameLetters(std::u16string_view a, std::u16string_view b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                    [](char16_t x, char16_t y) { return UpperCase(x) == UpperCase(y); });
}

}  // namespace platform
