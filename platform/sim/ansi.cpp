// Simulated ANSI code pages through iconv. Characters a page cannot hold
// become its default character "?", as WideCharToMultiByte makes them.
#include "platform/ansi.h"

#include <iconv.h>

#include <algorithm>
#include <cerrno>
#include <map>
#include <string>

#include "platform/errors.h"
#include "platform/sim/state.h"

namespace platform {

namespace {

constexpr char kDefaultChar = '?';

std::string IconvName(UINT codePage) {
  switch (codePage) {
    case 932: return "CP932";
    case 936: return "GBK";
    case 949: return "CP949";
    case 950: return "BIG5";
    case 20127: return "ASCII";
    default: return "CP" + std::to_string(codePage);
  }
}

// iconv descriptors are not thread-safe: each thread keeps its own, and
// closes them when it ends.
struct Converters {
  std::map<std::pair<UINT, bool>, iconv_t> open;
  ~Converters() {
    for (auto& entry : open)
      if (entry.second) iconv_close(entry.second);
  }
};

iconv_t Converter(UINT codePage, bool toAnsi) {
  thread_local Converters converters;
  auto& slot = converters.open[{codePage, toAnsi}];
  if (!slot) {
    const std::string page = IconvName(codePage);
    slot = toAnsi ? iconv_open(page.c_str(), "UTF-16LE") : iconv_open("UTF-16LE", page.c_str());
    if (slot == reinterpret_cast<iconv_t>(-1)) {
      slot = nullptr;
      RaiseInvalidArgument("the simulated ANSI code page is not known to iconv");
    }
  }
  iconv(slot, nullptr, nullptr, nullptr, nullptr);
  return slot;
}

bool IsHighSurrogate(char16_t c) { return c >= 0xD800 && c <= 0xDBFF; }
bool IsLowSurrogate(char16_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

// iconv is given a text a piece at a time. Where a character fails, glibc
// converts what it was given again up to that character, so one call over a
// long text with many such characters takes time in the square of its length.
constexpr std::size_t kPiece = 256;

// The conversion of a text that is not plain ASCII.
void NarrowInto(UINT codePage, std::u16string_view text, std::string& out) {
  iconv_t cd = Converter(codePage, true);
  out.resize(text.size() * 2 + 16);
  const char16_t* next = text.data();
  const char16_t* const end = text.data() + text.size();
  std::size_t used = 0;
  while (next < end) {
    // A pair of surrogates stays in one piece.
    std::size_t units = std::min(static_cast<std::size_t>(end - next), kPiece);
    if (next + units < end && IsHighSurrogate(next[units - 1])) ++units;
    auto* in = const_cast<char*>(reinterpret_cast<const char*>(next));
    std::size_t inLeft = units * 2;
    char* outPtr = out.data() + used;
    std::size_t outLeft = out.size() - used;
    const std::size_t rc = iconv(cd, &in, &inLeft, &outPtr, &outLeft);
    used = static_cast<std::size_t>(outPtr - out.data());
    next = reinterpret_cast<const char16_t*>(in);
    if (rc != static_cast<std::size_t>(-1)) continue;
    if (errno == E2BIG) {
      out.resize(out.size() * 2);
      continue;
    }
    // A character the page cannot hold, or a surrogate without its partner.
    if (used == out.size()) out.resize(out.size() * 2);
    out[used++] = kDefaultChar;
    const bool pair = IsHighSurrogate(next[0]) && next + 1 < end && IsLowSurrogate(next[1]);
    next += pair ? 2 : 1;
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
  }
  out.resize(used);
}

}  // namespace

UINT AnsiCodePage() { return sim::Lock()->codePage; }

AnsiText ToAnsiText(std::u16string_view text) {
  AnsiText result;
  result.ascii = NarrowAscii(text, result.bytes);
  if (!result.ascii) NarrowInto(AnsiCodePage(), text, result.bytes);
  return result;
}

std::u16string FromAnsi(std::string_view bytes) { return sim::WidenIn(AnsiCodePage(), bytes); }

namespace sim {

std::string NarrowIn(UINT codePage, std::u16string_view text) {
  std::string bytes;
  if (!NarrowAscii(text, bytes)) NarrowInto(codePage, text, bytes);
  return bytes;
}

std::u16string WidenIn(UINT codePage, std::string_view bytes) {
  std::u16string out;
  if (bytes.empty()) return out;
  iconv_t cd = Converter(codePage, false);
  out.resize(bytes.size() + 16);
  const char* next = bytes.data();
  const char* const end = bytes.data() + bytes.size();
  std::size_t used = 0;
  while (next < end) {
    const std::size_t piece = std::min(static_cast<std::size_t>(end - next), kPiece);
    char* in = const_cast<char*>(next);
    std::size_t inLeft = piece;
    auto* outPtr = reinterpret_cast<char*>(out.data() + used);
    std::size_t outLeft = (out.size() - used) * 2;
    const std::size_t rc = iconv(cd, &in, &inLeft, &outPtr, &outLeft);
    used = static_cast<std::size_t>(reinterpret_cast<char16_t*>(outPtr) - out.data());
    const bool pieceCut = next + piece < end;
    next = in;
    if (rc != static_cast<std::size_t>(-1)) continue;
    if (errno == E2BIG) {
      out.resize(out.size() * 2);
      continue;
    }
    // A double-byte character the piece's end cut in two: the next piece
    // starts with it.
    if (errno == EINVAL && pieceCut) continue;
    // A byte the page does not define: Windows passes those of single-byte
    // pages through as the same code point, and marks a broken sequence.
    if (used == out.size()) out.resize(out.size() * 2);
    const auto byte = static_cast<unsigned char>(*next);
    const bool singleByte = codePage >= 1250 && codePage <= 1258;
    out[used++] = singleByte ? static_cast<char16_t>(byte) : u'?';
    ++next;
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
  }
  out.resize(used);
  return out;
}

}  // namespace sim

}  // namespace platform
