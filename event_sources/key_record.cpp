#include "event_sources/key_record.h"

#include <algorithm>

#include "platform/wide_text.h"

namespace scribbet::sources {

namespace {

bool Holds(const std::vector<Value>& values, const Value& value) {
  return std::find(values.begin(), values.end(), value) != values.end();
}
bool Names(const std::vector<Value>& values, const std::u16string& name) {
  return std::any_of(values.begin(), values.end(), [&](const Value& v) { return v.name == name; });
}

// The same values, in whatever order the registry now lists them.
bool SameValues(std::vector<Value> a, std::vector<Value> b) {
  const auto byName = [](const Value& x, const Value& y) { return x.name < y.name; };
  std::sort(a.begin(), a.end(), byName);
  std::sort(b.begin(), b.end(), byName);
  return a == b;
}

}  // namespace

KeyRecord RecordKey(const std::u16string& path) {
  platform::unique_hkey key;
  const LONG opened = OpenKey(path, KEY_QUERY_VALUE, key);
  if (opened == ERROR_FILE_NOT_FOUND) return {path, false, {}};
  if (opened != ERROR_SUCCESS) throw RegistryError(opened, path);
  return {path, true, ValuesOf(key.get(), path)};
}

bool RestoreKey(const KeyRecord& record) noexcept {
  try {
    if (!record.existed) {
      const LONG status =
          platform::RegDeleteKeyW(HKEY_LOCAL_MACHINE, platform::WideArgument(record.path));
      return status == ERROR_SUCCESS || status == ERROR_FILE_NOT_FOUND;
    }
    // A key the run never changed needs no right but reading: a key that
    // refused the run's write is one.
    platform::unique_hkey key;
    if (OpenKey(record.path, KEY_QUERY_VALUE, key) != ERROR_SUCCESS) return false;
    const std::vector<Value> now = ValuesOf(key.get(), record.path);
    if (SameValues(now, record.values)) return true;
    if (OpenKey(record.path, KEY_QUERY_VALUE | KEY_SET_VALUE, key) != ERROR_SUCCESS) return false;
    // Only what differs is written: a value the run never touched is never
    // written again, whatever it holds.
    for (const Value& value : now)
      if (!Names(record.values, value.name))
        platform::RegDeleteValueW(key.get(), platform::WideArgument(value.name));
    for (const Value& value : record.values)
      if (!Holds(now, value))
        platform::RegSetValueExW(key.get(), platform::WideArgument(value.name), 0, value.type,
                                 value.data.data(), static_cast<DWORD>(value.data.size()));
    return SameValues(ValuesOf(key.get(), record.path), record.values);
  } catch (...) {
    return false;
  }
}

std::vector<std::u16string> RestoreKeys(const std::vector<KeyRecord>& records,
                                        const std::vector<std::u16string>& names) noexcept {
  std::vector<std::u16string> notRestored;
  try {
    for (std::size_t i = records.size(); i-- > 0;)
      if (!RestoreKey(records[i])) notRestored.insert(notRestored.begin(), names[i]);
  } catch (...) {  // out of memory for the list itself
  }
  return notRestored;
}

}  // namespace scribbet::sources
