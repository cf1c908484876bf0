// The small pieces of text the setups' list, option and messages are made
// of: what a blank is between names and switches, and a number as a person
// reads it.
#pragma once

#include <string>

#include "platform/wide_text.h"

namespace scribbet::setup {

constexpr bool IsBlank(char16_t c) { return c == u' ' || c == u'\t'; }

inline std::u16string Decimal(unsigned long long value) {
  return platform::FromAscii(std::to_string(value));
}

}  // namespace scribbet::setup
