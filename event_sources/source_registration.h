// The sources a setup writes, as one step: before its first write it records
// every key it will write, byte for byte; when one cannot be written, every
// key goes back to that record, and the keys it made go.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace scribbet::sources {

struct RegistrationOutcome {
  // The source that could not be written; nothing when every one was.
  std::optional<std::u16string> failed;
  // Sources this run wrote to and could not take back after the failure.
  std::vector<std::u16string> notTakenBack;
};

// Writes each name's key (WriteSourceKey) with MESSAGE_FILE, all or none.
RegistrationOutcome WriteSources(const std::vector<std::u16string>& names,
                                 std::u16string_view messageFile);

// The names, in order, whose keys this process has not the rights to write.
std::vector<std::u16string> UnwritableSources(const std::vector<std::u16string>& names);

}  // namespace scribbet::sources
