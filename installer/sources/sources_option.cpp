#include "installer/sources/sources_option.h"

#include <vector>

#include "installer/sources/setup_text.h"
#include "installer/sources/source_list.h"
#include "platform/letter_case.h"

namespace scribbet::setup {

namespace {

constexpr std::u16string_view kOption = u"/SOURCES=";
constexpr char16_t kQuote = u'"';

bool StartsWithOption(std::u16string_view text) {
  if (text.size() < kOption.size()) return false;
  for (std::size_t i = 0; i < kOption.size(); ++i)
    if (platform::UpperCase(text[i]) != kOption[i]) return false;
  return true;
}

// Where the text from POSITION on ends: at the closing quote for a quoted
// text, else at the next blank (or at the end of the line).
std::size_t EndOf(std::u16string_view line, std::size_t position, bool quoted) {
  for (; position < line.size(); ++position) {
    if (quoted ? line[position] == kQuote : IsBlank(line[position])) break;
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
  const bool quotedName = !line.empty() && line[0] == kQuote;
  std::size_t position = EndOf(line, quotedName ? 1 : 0, quotedName);
  if (position < line.size()) ++position;
  while (position < line.size()) {
    if (IsBlank(line[position])) {
      ++position;
      continue;
    }
    const bool quoted = line[position] == kQuote;
    const std::size_t start = position + quoted;
    arguments.push_back({start, quoted});
    position = EndOf(line, start, quoted);
    if (position < line.size()) ++position;
  }
  return arguments;
}

[[noreturn]] void Refuse(std::u16string_view why) {
  throw SourceListError(u"The list given with /SOURCES= " + std::u16string(why) +
                        u" Quote the whole list, as in /SOURCES=\"Billing;Nightly Backup\" /S.");
}

// The quoted text that starts at START, up to its closing quote, which must
// end the argument.
std::u16string_view Quoted(std::u16string_view line, std::size_t start) {
  const std::size_t end = EndOf(line, start, true);
  if (end == line.size()) Refuse(u"opens a quote mark that is never closed.");
  if (end + 1 < line.size() && !IsBlank(line[end + 1]))
    Refuse(u"goes on right after its closing quote mark; a blank must come between it and the "
           u"next option.");
  return line.substr(start, end - start);
}

// The unquoted text that starts at START, up to Setup's next switch.
std::u16string_view Unquoted(std::u16string_view line, std::size_t start) {
  std::size_t end = start;
  while (end < line.size() && !(IsBlank(line[end]) && end + 1 < line.size() && line[end + 1] == u'/'))
    ++end;
  while (end > start && IsBlank(line[end - 1])) --end;
  const std::u16string_view value = line.substr(start, end - start);
  if (value.find(kQuote) != std::u16string_view::npos)
    Refuse(u"has a quote mark inside a name, which a name cannot hold.");
  return value;
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
  if (option->quoted) return std::u16string(Quoted(commandLine, start));
  if (start < commandLine.size() && commandLine[start] == kQuote)
    return std::u16string(Quoted(commandLine, start + 1));
  return std::u16string(Unquoted(commandLine, start));
}

}  // namespace scribbet::setup
