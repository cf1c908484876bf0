// The list of event sources an administrator names at setup
// ("Billing;Nightly Backup"), read into names the registry can take. Setup
// and the Windows Installer package read it with this one function, so both
// accept and refuse the same lists with the same words.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace scribbet::setup {

// The longest name a registry key may have, in characters.
inline constexpr std::size_t kMaxKeyNameLength = 255;

// A list setup refuses. message() names the item and the reason, for a person.
class SourceListError : public std::runtime_error {
 public:
  explicit SourceListError(std::u16string message)
      : std::runtime_error("event-source list refused"), message_(std::move(message)) {}
  const std::u16string& message() const noexcept { return message_; }

 private:
  std::u16string message_;
};

// The names in LIST, separated by ";", each without the blanks around it, in
// the order given; a name given again (in any letter case, as the registry
// compares key names) counts once. An empty or blank list names nothing.
// Raises SourceListError for an empty item, a backslash, a name longer than
// kMaxKeyNameLength, the name of one of the system's logs, or a character the
// ANSI code page cannot hold (the control writes every source's key through
// the ANSI functions).
std::vector<std::u16string> ParseSourceList(std::u16string_view list);

}  // namespace scribbet::setup
