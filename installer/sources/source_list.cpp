#include "installer/sources/source_list.h"

#include <algorithm>
#include <array>

#include "installer/sources/setup_text.h"
#include "platform/ansi.h"
#include "platform/letter_case.h"

namespace scribbet::setup {

namespace {

// A source with a log's own name would stand for the log in every viewer.
constexpr std::array<std::u16string_view, 3> kLogNames = {u"Application", u"System",
                                                          u"Security"};

std::u16string_view Trimmed(std::u16string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

std::u16string Hex(char16_t c) {
  static constexpr char16_t kDigits[] = u"0123456789ABCDEF";
  std::u16string text = u"U+";
  for (int shift = 12; shift >= 0; shift -= 4) text += kDigits[(c >> shift) & 0xF];
  return text;
}

[[noreturn]] void Refuse(std::u16string_view name, std::u16string_view reason) {
  throw SourceListError(u"The event source \"" + std::u16string(name) +
                        u"\" cannot be registered: " + std::u16string(reason));
}

// The first character of NAME that does not come back from the code page.
std::u16string_view::size_type FirstLost(std::u16string_view name) {
  if (platform::IsAscii(name)) return std::u16string_view::npos;
  for (std::size_t i = 0; i < name.size(); ++i) {
    // A surrogate pair goes through as a whole.
    const std::size_t length = (name[i] >= 0xD800 && name[i] < 0xDC00 && i + 1 < name.size()) ? 2 : 1;
    const std::u16string_view character = name.substr(i, length);
    if (platform::AnsiRoundTrip(character) != character) return i;
    i += length - 1;
  }
  return std::u16string_view::npos;
}

void Check(std::u16string_view name) {
  if (name.find(u'\\') != std::u16string_view::npos)
    Refuse(name, u"a backslash would make it a key inside another source's key.");
  if (name.size() > kMaxKeyNameLength)
    Refuse(name, u"it has " + Decimal(name.size()) +
                     u" characters, and the name of a registry key may have at most " +
                     Decimal(kMaxKeyNameLength) + u".");
  for (std::u16string_view log : kLogNames)
    if (platform::SameLetters(name, log))
      Refuse(name, u"it is the name of the " + std::u16string(log) + u" log.");
  const auto lost = FirstLost(name);
  if (lost != std::u16string_view::npos)
    Refuse(name, u"the character " + Hex(name[lost]) + u" has no place in this computer's code page " +
                     Decimal(platform::AnsiCodePage()) + u", through which programs name their sources.");
}

}  // namespace

std::vector<std::u16string> ParseSourceList(std::u16string_view list) {
  std::vector<std::u16string> names;
  if (Trimmed(list).empty()) return names;
  std::size_t item = 0;
  for (std::size_t start = 0;; ++item) {
    const std::size_t end = std::min(list.find(u';', start), list.size());
    const std::u16string_view name = Trimmed(list.substr(start, end - start));
    if (name.empty())
      throw SourceListError(u"The list of event sources \"" + std::u16string(list) +
                            u"\" has an empty item (item " + Decimal(item + 1) +
                            u"): name a source between every two \";\".");
    Check(name);
    if (std::none_of(names.begin(), names.end(),
                     [&](const std::u16string& known) { return platform::SameLetters(known, name); }))
      names.emplace_back(name);
    if (end == list.size()) break;
    start = end + 1;
  }
  return names;
}

}  // namespace scribbet::setup
