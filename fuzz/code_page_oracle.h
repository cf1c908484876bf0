// The ANSI code pages' own conversions, straight from iconv and independent
// of the platform's conversion helper: one code point at a time (a
// surrogate without its partner, or a character the page lacks, becomes the
// page's default character "?") to the page, and the whole byte string back.
#pragma once

#include <string>

namespace fuzzing {

std::string CodePageBytes(unsigned codePage, const std::u16string& text);
std::u16string CodePageText(unsigned codePage, const std::string& bytes);

}  // namespace fuzzing
