#include "event_sources/internal/control_file.h"

#include <vector>

#include "platform/letter_case.h"
#include "platform/system_files.h"
#include "platform/whole_text.h"
#include "platform/wide_text.h"

namespace scribbet::sources {

std::u16string ExpandedText(std::u16string_view text) {
  const std::u16string source(text);
  return platform::AskedText<char16_t>(MAX_PATH, [&](char16_t* buffer, DWORD size) {
           return platform::ExpandEnvironmentStringsW(platform::WideArgument(source),
                                                      reinterpret_cast<LPWSTR>(buffer), size);
         }).value_or(source);
}

std::u16string ResolvedFile(std::u16string_view text) {
  const std::u16string expanded = ExpandedText(text);
  std::vector<std::u16string_view> parts;
  std::u16string_view rest = expanded;
  while (!rest.empty()) {
    const auto end = rest.find_first_of(u"\\/");
    const std::u16string_view part = rest.substr(0, end);
    rest.remove_prefix(end == std::u16string_view::npos ? rest.size() : end + 1);
    if (part.empty() || part == u".") continue;
    if (part == u"..") {
      if (parts.size() > 1) parts.pop_back();  // never above the drive
      continue;
    }
    parts.push_back(part);
  }
  std::u16string resolved;
  for (const auto part : parts) {
    if (!resolved.empty()) resolved += u'\\';
    for (const char16_t c : part) resolved += platform::UpperCase(c);
  }
  return resolved;
}

bool NamesFile(std::u16string_view text, std::u16string_view file) {
  return ResolvedFile(text) == ResolvedFile(file);
}

}  // namespace scribbet::sources
