#include "event_sources/internal/registry_reading.h"

#include <algorithm>
#include <cstring>

#include "platform/letter_case.h"
#include "platform/wide_text.h"

namespace scribbet::sources {

namespace {

// The longest names the registry has: 255 characters a key, 16,383 a value.
constexpr DWORD kKeyNameBuffer = 256;
constexpr DWORD kValueNameBuffer = 16384;

}  // namespace

LONG OpenKey(const std::u16string& path, REGSAM access, platform::unique_hkey& key) {
  return platform::KeepIfOpened(
      key, platform::RegOpenKeyExW(HKEY_LOCAL_MACHINE, platform::WideArgument(path), 0, access,
                                   key.put()));
}

std::vector<std::u16string> SubkeyNames(HKEY key, const std::u16string& path) {
  std::vector<std::u16string> names;
  std::u16string name(kKeyNameBuffer, u'\0');
  for (DWORD index = 0;; ++index) {
    DWORD length = kKeyNameBuffer;
    const LONG status = platform::RegEnumKeyExW(key, index, platform::WideBuffer(name), &length,
                                                nullptr, nullptr, nullptr, nullptr);
    if (status == ERROR_NO_MORE_ITEMS) return names;
    if (status != ERROR_SUCCESS) throw RegistryError(status, path);
    names.emplace_back(name.data(), length);
  }
}

std::vector<Value> ValuesOf(HKEY key, const std::u16string& path) {
  std::vector<Value> values;
  // Most names and data are short; a buffer too small for either grows, and
  // the same value is read again.
  std::u16string name(kKeyNameBuffer, u'\0');
  std::vector<BYTE> data(256);
  for (DWORD index = 0;;) {
    DWORD length = static_cast<DWORD>(name.size()), type = 0, size = static_cast<DWORD>(data.size());
    const LONG status = platform::RegEnumValueW(key, index, platform::WideBuffer(name), &length,
                                                nullptr, &type, data.data(), &size);
    if (status == ERROR_NO_MORE_ITEMS) return values;
    if (status == ERROR_MORE_DATA && (size > data.size() || name.size() < kValueNameBuffer)) {
      if (size > data.size()) data.resize(size);
      if (name.size() < kValueNameBuffer) name.resize(std::min<std::size_t>(name.size() * 8, kValueNameBuffer));
      continue;
    }
    if (status != ERROR_SUCCESS) throw RegistryError(status, path);
    values.push_back({std::u16string(name.data(), length), type,
                      std::vector<BYTE>(data.begin(), data.begin() + size)});
    ++index;
  }
}

std::u16string TextOf(const Value& value) {
  if (value.type != REG_SZ && value.type != REG_EXPAND_SZ) return {};
  std::u16string text(value.data.size() / sizeof(char16_t), u'\0');
  if (!text.empty()) std::memcpy(text.data(), value.data.data(), text.size() * sizeof(char16_t));
  while (!text.empty() && text.back() == u'\0') text.pop_back();
  return text;
}

const Value* Named(const std::vector<Value>& values, std::u16string_view name) {
  for (const Value& value : values)
    if (platform::SameLetters(value.name, name)) return &value;
  return nullptr;
}

std::u16string KeyPath(std::u16string_view parent, std::u16string_view name) {
  std::u16string path(parent);
  path += u'\\';
  path += name;
  return path;
}

}  // namespace scribbet::sources
