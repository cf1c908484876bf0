#include "control/Variant.h"

#include <cmath>
#include <cstdlib>
#include <string>

#include "platform/errors.h"
#include "platform/wide_text.h"

namespace scribbet {

namespace {

std::int32_t ParseLong(const std::u16string& text) {
  std::size_t first = text.find_first_not_of(u' ');
  std::size_t last = text.find_last_not_of(u' ');
  if (first == std::u16string::npos) platform::RaiseTypeMismatch("empty text is not a number");
  std::string narrow;
  for (std::size_t i = first; i <= last; ++i) {
    const char16_t c = text[i];
    if (!((c >= u'0' && c <= u'9') || c == u'+' || c == u'-' || c == u'.' || c == u'e' ||
          c == u'E'))
      platform::RaiseTypeMismatch("text is not a number");
    narrow += static_cast<char>(c);
  }
  char* end = nullptr;
  const double number = std::strtod(narrow.c_str(), &end);
  if (end != narrow.c_str() + narrow.size()) platform::RaiseTypeMismatch("text is not a number");
  const double rounded = std::nearbyint(number);  // the default mode rounds half to even
  if (!(rounded >= -2147483648.0 && rounded <= 2147483647.0))
    platform::RaiseOverflow("number does not fit in 32 bits");
  return static_cast<std::int32_t>(rounded);
}

}  // namespace

std::u16string VariantText(const Variant& value) {
  switch (value.index()) {
    case 1: return std::get<std::u16string>(value);
    case 2: return platform::FromAscii(std::to_string(std::get<std::int16_t>(value)));
    case 3: return platform::FromAscii(std::to_string(std::get<std::int32_t>(value)));
    default: return {};
  }
}

std::int32_t VariantToLong(const Variant& value) {
  switch (value.index()) {
    case 1: return ParseLong(std::get<std::u16string>(value));
    case 2: return std::get<std::int16_t>(value);
    case 3: return std::get<std::int32_t>(value);
    default: return 0;
  }
}

}  // namespace scribbet
