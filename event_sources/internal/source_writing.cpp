#include "event_sources/internal/source_writing.h"

#include "event_sources/internal/control_file.h"
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
  const Value* file = Named(values, kMessageFileValue);
  return {!file || file->type != kMessageFileType || !NamesFile(TextOf(*file), messageFile),
          !Named(values, kTypesSupportedValue)};
}

std::vector<Value> SourceKeyValues(const std::u16string& name) {
  const std::u16string path = SourceKeyPath(name);
  platform::unique_hkey key;
  const LONG opened = OpenKey(path, KEY_QUERY_VALUE, key);
  if (opened == ERROR_FILE_NOT_FOUND) return {};
  if (opened != ERROR_SUCCESS) throw RegistryError(opened, path);
  return ValuesOf(key.get(), path);
}

void WriteSourceKey(const std::u16string& name, std::u16string_view messageFile) {
  const SourceKeyWrites writes = WritesFor(SourceKeyValues(name), messageFile);
  if (!writes.any()) return;
  const std::u16string path = SourceKeyPath(name);
  platform::unique_hkey key;
  const LONG created = platform::KeepIfOpened(
      key, platform::RegCreateKeyExW(HKEY_LOCAL_MACHINE, platform::WideArgument(path), 0, nullptr,
                                     REG_OPTION_NON_VOLATILE, kWriting, nullptr, key.put(), nullptr));
  if (created != ERROR_SUCCESS) throw RegistryError(created, path);
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

bool CanWriteSourceKey(const std::u16string& name, std::u16string_view messageFile) {
  try {
    if (!WritesFor(SourceKeyValues(name), messageFile).any()) return true;
  } catch (const RegistryError&) {
    return false;
  }
  std::u16string path = SourceKeyPath(name);
  REGSAM rights = kWriting;
  for (;;) {
    platform::unique_hkey key;
    const LONG opened = OpenKey(path, rights, key);
    if (opened != ERROR_FILE_NOT_FOUND) return opened == ERROR_SUCCESS;
    if (path.empty()) return false;
    const auto cut = path.rfind(u'\\');
    path.resize(cut == std::u16string::npos ? 0 : cut);
    rights = KEY_CREATE_SUB_KEY | kWriting;
  }
}

}  // namespace scribbet::sources
