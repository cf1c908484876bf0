// The tagged value the registry helper takes as value data: nothing, a text,
// or a 16-bit or 32-bit integer.
#pragma once

#include <cstdint>
#include <string>
#include <variant>

namespace scribbet {

using Variant = std::variant<std::monostate, std::u16string, std::int16_t, std::int32_t>;

// The text form: empty for nothing, the text itself, or decimal digits.
std::u16string VariantText(const Variant& value);

// Converts as a 32-bit integer conversion does in Automation: nothing is 0,
// a number is itself, a text is parsed (blanks around it allowed, fractions
// rounded half to even). A text that is no number raises a type mismatch,
// one out of range an overflow.
std::int32_t VariantToLong(const Variant& value);

}  // namespace scribbet
