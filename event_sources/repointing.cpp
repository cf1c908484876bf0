#include "event_sources/repointing.h"

#include <optional>
#include <vector>

#include "event_sources/key_record.h"
#include "event_sources/source_key.h"
#include "platform/process.h"
#include "platform/system_files.h"
#include "platform/wide_text.h"

namespace scribbet::sources {

namespace {

// The key's message-file value when it names FROM.
std::optional<Value> NamingFile(const KeyRecord& record, std::u16string_view from) {
  for (const Value& value : record.values)
    if (SameAsciiName(value.name, kMessageFileValue) && SameAsciiName(TextOf(value), from))
      return value;
  return std::nullopt;
}

void Repoint(const KeyRecord& record, const Value& file, std::u16string_view to) {
  platform::unique_hkey key;
  LONG status = OpenKey(record.path, KEY_SET_VALUE, key);
  if (status == ERROR_SUCCESS) {
    const std::u16string text(to);
    status = platform::RegSetValueExW(key.get(), platform::WideArgument(file.name), 0, file.type,
                                      reinterpret_cast<const BYTE*>(text.c_str()),
                                      static_cast<DWORD>((text.size() + 1) * sizeof(char16_t)));
  }
  if (status != ERROR_SUCCESS) throw RegistryError(status, record.path);
}

}  // namespace

RegistrationOutcome PointSourcesAt(std::u16string_view from, std::u16string_view to) {
  const std::u16string sources(kApplicationSources);
  std::vector<std::u16string> names;
  std::vector<KeyRecord> records;
  try {
    platform::unique_hkey key;
    const LONG opened = OpenKey(sources, KEY_ENUMERATE_SUB_KEYS, key);
    if (opened == ERROR_FILE_NOT_FOUND) return {};
    if (opened != ERROR_SUCCESS) throw RegistryError(opened, sources);
    for (std::u16string& name : SubkeyNames(key.get(), sources)) {
      // A key this process cannot read names no control it could tell.
      std::optional<KeyRecord> record;
      try {
        record = RecordKey(KeyPath(sources, name));
      } catch (const RegistryError&) {
        continue;
      }
      if (!NamingFile(*record, from)) continue;
      names.push_back(std::move(name));
      records.push_back(std::move(*record));
    }
  } catch (const RegistryError& error) {
    return {error.path(), {}};  // nothing written yet
  }
  for (std::size_t i = 0; i < records.size(); ++i) {
    try {
      Repoint(records[i], *NamingFile(records[i], from), to);
      continue;
    } catch (...) {
    }
    return {names[i], RestoreKeys(records, names)};
  }
  return {};
}

bool ControlInstalled(std::u16string_view messageFile) {
  const std::u16string file(messageFile);
  std::u16string path(platform::ExpandEnvironmentStringsW(platform::WideArgument(file), nullptr, 0),
                      u'\0');
  if (path.empty() ||
      platform::ExpandEnvironmentStringsW(platform::WideArgument(file), platform::WideBuffer(path),
                                          static_cast<DWORD>(path.size())) != path.size())
    return false;
  path.pop_back();
  // A 32-bit process sees the 64-bit system directory only with its
  // redirection off, and turns it on again at once.
  PVOID redirection = nullptr;
  const bool off = platform::RunsUnderWow64() && platform::Wow64DisableWow64FsRedirection(&redirection);
  const bool there = platform::GetFileAttributesW(platform::WideArgument(path)) != INVALID_FILE_ATTRIBUTES;
  if (off) platform::Wow64RevertWow64FsRedirection(redirection);
  return there;
}

RegistrationOutcome GiveSourcesToOtherControl() {
  const bool wow64 = platform::RunsUnderWow64();
  const std::u16string_view other = EventMessageFileFor(!wow64);
  if (!ControlInstalled(other)) return {};
  return PointSourcesAt(EventMessageFileFor(wow64), other);
}

}  // namespace scribbet::sources
