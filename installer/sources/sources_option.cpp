#include "installer/sources/sources_option.h"

#include <vector>

#include "installer/sources/source_list.h"

namespace scribbet::setup {

namespace {

constexpr std::u16string_view kOption = u"/SOURCES=";
// NSIS takes the folder from the first argument that starts so, and with it
// the rest of the line.
constexpr std::u16string_view kFolderOption = u" /D=";

bool IsBlank(char16_t c) { return c == u' ' || c == u'\t'; }

char16_t Upper(char16_t c) { return c >= u'a' && c <= u'z' ? c - 0x20 : c; }

bool StartsWithOption(std::u16string_view text) {
  if (text.size() < kOption.size()) return false;
  for (std::size_t i = 0; i < kOption.size(); ++i)
    if (Upper(text[i]) != kOption[i]) return false;
  return true;
}

// Where the text from POSITION on ends: at the closing quote for a quoted
// text, else at the next blank (or at the end of the line).
std::size_t EndOf(std::u16string_view line, std::size_t position, bool quoted) {
  for (; position < line.size(); ++position) {
    if (quoted ? line[position] == u'"' : IsBlank(line[position])) break;
  }
  return position;
}

// One argument: where it starts (after its opening quote) and whether it is
// quoted.
struct Argument {
  std::size_t start;
  bool quoted;
};

std::vector<Argument> Arguments(std::u16string_view line) {
  std::vector<Argument> arguments;
  // The program's name, quoted or up to the first blank, is no argument.
  const bool quotedName = !line.empty() && line[0] == u'"';
  std::size_t position = EndOf(line, quotedName ? 1 : 0, quotedName);
  if (position < line.size()) ++position;
  while (position < line.size()) {
    if (IsBlank(line[position])) {
      ++position;
      continue;
    }
    const bool quoted = line[position] == u'"';
    const std::size_t start = position + quoted;
    arguments.push_back({start, quoted});
    position = EndOf(line, start, quoted);
    if (position < line.size()) ++position;
  }
  return arguments;
}

std::u16string_view WithoutTrailingBlanks(std::u16string_view text) {
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

}  // namespace

std::optional<std::u16string> SourcesOption(std::u16string_view commandLine) {
  std::optional<Argument> option;
  for (const Argument& argument : Arguments(commandLine)) {
    if (!StartsWithOption(commandLine.substr(argument.start))) continue;
    if (option)
      throw SourceListError(
          u"The option /SOURCES= is given more than once. Name every event source in one "
          u"list, separated by \";\".");
    option = argument;
  }
  if (!option) return std::nullopt;

  const std::size_t start = option->start + kOption.size();
  if (option->quoted)
    return std::u16string(commandLine.substr(start, EndOf(commandLine, start, true) - start));
  std::u16string_view value = commandLine.substr(start);
  value = WithoutTrailingBlanks(value.substr(0, value.find(kFolderOption)));
  if (value.size() >= 2 && value.front() == u'"' && value.back() == u'"')
    value = value.substr(1, value.size() - 2);
  return std::u16string(value);
}

}  // namespace scribbet::setup
