#include "event_sources/internal/source_lookup.h"

#include <vector>

#include "event_sources/internal/control_file.h"
#include "event_sources/internal/registry_reading.h"
#include "event_sources/source_key.h"
#include "platform/letter_case.h"

namespace scribbet::sources {

namespace {

// Whether the source's key under Application names a Scribbet control as
// its message file, in whatever spelling. Any other key is another
// program's, one with nothing in it too: it is there, and who made it cannot
// be told.
Lookup ApplicationKey(const std::u16string& path) {
  platform::unique_hkey key;
  const LONG opened = OpenKey(path, KEY_QUERY_VALUE, key);
  if (opened == ERROR_FILE_NOT_FOUND) return {Standing::Free, {}};
  if (opened != ERROR_SUCCESS) return {Standing::Unreadable, path};
  try {
    const std::vector<Value> values = ValuesOf(key.get(), path);
    if (const Value* file = Named(values, kMessageFileValue))
      for (std::u16string_view ours : {EventMessageFileFor(false), EventMessageFileFor(true)})
        if (NamesFile(TextOf(*file), ours)) return {Standing::Scribbet, TextOf(*file)};
  } catch (const RegistryError& error) {
    return {Standing::Unreadable, error.path()};
  }
  return {Standing::OtherProduct, {}};
}

}  // namespace

Lookup LookUp(const std::u16string& name) {
  const std::u16string logsPath(kEventLogKey);
  platform::unique_hkey logs;
  const LONG opened = OpenKey(logsPath, KEY_ENUMERATE_SUB_KEYS, logs);
  if (opened != ERROR_SUCCESS && opened != ERROR_FILE_NOT_FOUND)
    return {Standing::Unreadable, logsPath};
  std::vector<std::u16string> logNames;
  try {
    if (logs) logNames = SubkeyNames(logs.get(), logsPath);
  } catch (const RegistryError& error) {
    return {Standing::Unreadable, error.path()};
  }
  // A key that is there but refuses even reading is there all the same.
  const auto exists = [](const std::u16string& path) {
    platform::unique_hkey key;
    return OpenKey(path, KEY_QUERY_VALUE, key) != ERROR_FILE_NOT_FOUND;
  };
  if (exists(KeyPath(logsPath, name))) return {Standing::LogName, {}};
  for (const std::u16string& log : logNames)
    if (!platform::SameLetters(log, kApplicationLog) && exists(KeyPath(KeyPath(logsPath, log), name)))
      return {Standing::OtherLog, log};
  return ApplicationKey(SourceKeyPath(name));
}

}  // namespace scribbet::sources
