// Sources of one Scribbet control given to the other (event_sources.h).
#include <optional>
#include <vector>

#include "event_sources/event_sources.h"
#include "event_sources/internal/control_file.h"
#include "event_sources/internal/key_record.h"
#include "event_sources/source_key.h"
#include "platform/process.h"
#include "platform/system_files.h"
#include "platform/wide_text.h"

namespace scribbet::sources {

namespace {

// The key's message-file value when it names FROM, in whatever spelling.
const Value* NamingFile(const KeyRecord& record, std::u16string_view from) {
  const Value* file = Named(record.values, kMessageFileValue);
  return file && NamesFile(TextOf(*file), from) ? file : nullptr;
}

// A source to give: its key as it is, and the message-file value that names
// the control removed.
struct Naming {
  KeyRecord record;
  Value file;
};

std::vector<KeyRecord> RecordsOf(const std::vector<Naming>& sources) {
  std::vector<KeyRecord> records;
  for (const Naming& source : sources) records.push_back(source.record);
  return records;
}

// Every source under Application whose message file names FROM. A key that
// refuses this process reading names no control it could tell; any other
// failure to read one ends the giving before it begins.
std::vector<Naming> SourcesNaming(std::u16string_view from) {
  const std::u16string sources(kApplicationSources);
  platform::unique_hkey key;
  const LONG opened = OpenKey(sources, KEY_ENUMERATE_SUB_KEYS, key);
  if (opened == ERROR_FILE_NOT_FOUND) return {};
  if (opened != ERROR_SUCCESS) throw RegistryError(opened, sources);
  std::vector<Naming> naming;
  for (const std::u16string& name : SubkeyNames(key.get(), sources)) {
    std::optional<KeyRecord> record;
    try {
      record = RecordKey(KeyPath(sources, name));
    } catch (const RegistryError& error) {
      if (error.status() == ERROR_ACCESS_DENIED) continue;
      throw;
    }
    if (const Value* file = NamingFile(*record, from)) {
      Value named = *file;
      naming.push_back({std::move(*record), std::move(named)});
    }
  }
  return naming;
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

// Whether the control a source names by MESSAGE_FILE is there, where an
// event viewer looks for it.
bool ControlInstalled(std::u16string_view messageFile) {
  // A 32-bit process sees the 64-bit system directory only with its
  // redirection off, and turns it on again at once.
  PVOID redirection = nullptr;
  const bool off = platform::RunsUnderWow64() && platform::Wow64DisableWow64FsRedirection(&redirection);
  const std::u16string path = ExpandedText(messageFile);
  const bool there = platform::GetFileAttributesW(platform::WideArgument(path)) != INVALID_FILE_ATTRIBUTES;
  if (off) platform::Wow64RevertWow64FsRedirection(redirection);
  return there;
}

// This process's control and the other architecture's, when that one is
// installed.
struct Controls {
  std::u16string_view removed, stays;
};
std::optional<Controls> OtherControlStays() {
  const bool wow64 = platform::RunsUnderWow64();
  const Controls controls{EventMessageFileFor(wow64), EventMessageFileFor(!wow64)};
  if (!ControlInstalled(controls.stays)) return std::nullopt;
  return controls;
}

}  // namespace

RegistrationOutcome GiveSourcesToOtherControl() {
  const auto controls = OtherControlStays();
  if (!controls) return {};
  std::vector<Naming> sources;
  try {
    sources = SourcesNaming(controls->removed);
  } catch (const RegistryError& error) {
    return {error.path(), {}, {}};  // nothing written yet
  }
  for (const Naming& source : sources) {
    try {
      Repoint(source.record, source.file, controls->stays);
      continue;
    } catch (...) {
    }
    const auto cut = source.record.path.rfind(u'\\');
    return {source.record.path.substr(cut + 1), RestoreKeys(RecordsOf(sources)), {}};
  }
  return {std::nullopt, {}, RecordsText(RecordsOf(sources))};
}

std::u16string TakeBackOfGivingSources() {
  const auto controls = OtherControlStays();
  return controls ? RecordsText(RecordsOf(SourcesNaming(controls->removed))) : std::u16string();
}

}  // namespace scribbet::sources
