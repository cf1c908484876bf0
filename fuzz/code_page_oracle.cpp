#include "fuzz/code_page_oracle.h"

#include <iconv.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace fuzzing {

namespace {

std::string PageName(unsigned codePage) { return "CP" + std::to_string(codePage); }

class Conversion {
 public:
  Conversion(const std::string& to, const std::string& from)
      : descriptor_(iconv_open(to.c_str(), from.c_str())) {
    if (descriptor_ == reinterpret_cast<iconv_t>(-1)) {
      std::fprintf(stderr, "iconv cannot convert %s to %s\n", from.c_str(), to.c_str());
      std::abort();
    }
  }
  ~Conversion() { iconv_close(descriptor_); }
  Conversion(const Conversion&) = delete;
  Conversion& operator=(const Conversion&) = delete;

  // Converts all of the input; false when iconv refuses any of it.
  bool Run(const char* input, std::size_t inputSize, std::string& output) {
    iconv(descriptor_, nullptr, nullptr, nullptr, nullptr);
    output.assign(inputSize * 4 + 16, '\0');
    char* in = const_cast<char*>(input);
    char* out = output.data();
    std::size_t inLeft = inputSize, outLeft = output.size();
    const bool converted = iconv(descriptor_, &in, &inLeft, &out, &outLeft) !=
                               static_cast<std::size_t>(-1) && inLeft == 0;
    output.resize(output.size() - outLeft);
    return converted;
  }

 private:
  iconv_t descriptor_;
};

}  // namespace

std::string CodePageBytes(unsigned codePage, const std::u16string& text) {
  Conversion toPage(PageName(codePage), "UTF-32LE");
  std::string bytes, one;
  for (std::size_t i = 0; i < text.size(); ++i) {
    std::uint32_t point = text[i];
    const bool high = point >= 0xD800 && point <= 0xDBFF;
    const bool low = point >= 0xDC00 && point <= 0xDFFF;
    if (high && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF) {
      point = 0x10000 + ((point - 0xD800) << 10) + (text[++i] - 0xDC00);
    } else if (high || low) {
      bytes += '?';
      continue;
    }
    const char unit[4] = {static_cast<char>(point), static_cast<char>(point >> 8),
                          static_cast<char>(point >> 16), static_cast<char>(point >> 24)};
    bytes += toPage.Run(unit, sizeof unit, one) ? one : std::string("?");
  }
  return bytes;
}

std::u16string CodePageText(unsigned codePage, const std::string& bytes) {
  Conversion fromPage("UTF-16LE", PageName(codePage));
  std::string wide;
  if (!fromPage.Run(bytes.data(), bytes.size(), wide)) {
    std::fprintf(stderr, "code page %u does not read its own bytes back\n", codePage);
    std::abort();
  }
  std::u16string text(wide.size() / 2, u'\0');
  for (std::size_t i = 0; i < text.size(); ++i)
    text[i] = static_cast<char16_t>(static_cast<unsigned char>(wide[2 * i]) |
                                    static_cast<unsigned char>(wide[2 * i + 1]) << 8);
  return text;
}

}  // namespace fuzzing
