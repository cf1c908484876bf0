#include "event_sources/source_writing.h"

#include "event_sources/registry_reading.h"
#include "event_sources/source_key.h"
#include "platform/wide_text.h"

namespace scribbet::sources {

namespace {

constexpr REGSAM kWriting = KEY_QUERY_VALUE | KEY_SET_VALUE;

void Set(HKEY key, const std::u16string& path, const char16_t* name, DWORD type, const void* data,
         std::size_t size) {
  const LONG status = platform::RegSetValueExW(key, platform::WideArgument(name), 0, type,
                                               static_cast<const BYTE*>(data), static_cast<DWORD>(size));
  if (status != ERROR_SUCCESS) throw RegistryError(status, path);
}

}  // namespace

SourceKeyWrites WritesFor(const std::vector<Value>& values, std::u16string_view messageFile) {
  SourceKeyWrites writes{true, true};
  for (const Value& value : values) {
    if (SameAsciiName(value.name, kTypesSupportedValue)) writes.types = false;
    if (SameAsciiName(value.name, kMessageFileValue))
      writes.messageFile =
          value.type != kMessageFileType || !SameAsciiName(TextOf(value), messageFile);
  }
  return writes;
}

void WriteSourceKey(const std::u16string& name, std::u16string_view messageFile) {
  const std::u16string path = KeyPath(kApplicationSources, name);
  platform::unique_hkey key;
  const LONG created = platform::KeepIfOpened(
      key, platform::RegCreateKeyExW(HKEY_LOCAL_MACHINE, platform::WideArgument(path), 0, nullptr,
                                     REG_OPTION_NON_VOLATILE, kWriting, nullptr, key.put(), nullptr));
  if (created != ERROR_SUCCESS) throw RegistryError(created, path);
  const SourceKeyWrites writes = WritesFor(ValuesOf(key.get(), path), messageFile);
  if (writes.messageFile) {
    const std::u16string file(messageFile);
    Set(key.get(), path, kMessageFileValue, kMessageFileType, file.c_str(),
        (file.size() + 1) * sizeof(char16_t));
  }
  if (writes.types) {
    const DWORD types = static_cast<DWORD>(kTypesSupported);
    const BYTE bytes[] = {BYTE(types), BYTE(types >> 8), BYTE(types >> 16), BYTE(types >> 24)};
    Set(key.get(), path, kTypesSupportedValue, kTypesSupportedType, bytes, sizeof bytes);
  }
}

bool CanWriteSourceKey(const std::u16string& name) {
  // A key that is missing is created below the nearest key that is there.
  std::u16string path = KeyPath(kApplicationSources, name);
  REGSAM rights = kWriting;
  for (;;) {
    platform::unique_hkey key;
    const LONG opened = OpenKey(path, rights, key);
    if (opened != ERROR_FILE_NOT_FOUND) return opened == ERROR_SUCCESS;
    if (path.empty()) return false;
    const auto cut = path.rfind(u'\\');
    path.resize(cut == std::u16string::npos ? 0 : cut);
    rights = KEY_CREATE_SUB_KEY;
  }
}

}  // namespace scribbet::sources
