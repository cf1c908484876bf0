// The simulated registry: a tree of keys with typed values, the status codes
// of the real one, and the rights a test grants on the keys under
// HKEY_LOCAL_MACHINE. Names are kept as the registry keeps them, in UTF-16:
// an ANSI function converts its names through the code page first, and only
// then is a path split at its backslashes, compared without regard to case
// and held to 255 characters a name, so that a double-byte character whose
// second byte is 0x5C stays one character of one name, as on Windows.
#include "platform/registry.h"

#include <cstring>

#include "platform/sim/state.h"

namespace platform {

using sim::Machine;
using sim::RegKey;

namespace {

constexpr std::size_t kMaxKeyNameLength = 255;
constexpr REGSAM kMaximumAllowed = 0x02000000;

std::u16string Wide(const Machine& m, LPCSTR text) {
  return text ? sim::WidenIn(m.codePage, text) : std::u16string();
}
std::u16string Wide(LPCWSTR text) { return text ? std::u16string(text) : std::u16string(); }

bool IsText(DWORD type) { return type == REG_SZ || type == REG_EXPAND_SZ || type == REG_MULTI_SZ; }

std::shared_ptr<RegKey> Resolve(Machine& m, HKEY handle, REGSAM* access = nullptr) {
  const auto value = reinterpret_cast<ULONG_PTR>(handle);
  if (auto root = m.roots.find(value); root != m.roots.end()) {
    if (access) *access = root->second->underLocalMachine ? sim::RightsAt(m, u"") : sim::kEveryRight;
    return root->second;
  }
  auto open = m.openKeys.find(value);
  if (open == m.openKeys.end()) return nullptr;
  if (access) *access = open->second.access;
  return open->second.key;
}

// Splits a subkey path at its separators; empty parts (a doubled or trailing
// separator) are skipped as the real registry does.
bool SplitPath(std::u16string_view path, std::vector<std::u16string>& parts) {
  std::u16string part;
  for (std::size_t i = 0;; ++i) {
    if (i == path.size() || path[i] == u'\\') {
      if (part.size() > kMaxKeyNameLength) return false;
      if (!part.empty()) parts.push_back(std::move(part));
      part.clear();
      if (i == path.size()) return true;
    } else {
      part += path[i];
    }
  }
}

std::u16string Below(const std::u16string& path, const std::u16string& part) {
  return path.empty() ? part : path + u'\\' + part;
}

// Whether the mask asks for a right the account lacks on the key at the
// path. A mask is granted whole or not at all; MAXIMUM_ALLOWED asks for
// whatever is granted.
bool Refused(const Machine& m, bool underLocalMachine, const std::u16string& path, REGSAM access) {
  return underLocalMachine && (access & ~kMaximumAllowed & ~sim::RightsAt(m, path));
}
bool Refused(const Machine& m, const RegKey& key, REGSAM access) {
  return Refused(m, key.underLocalMachine, key.path, access);
}

HKEY Hand(Machine& m, std::shared_ptr<RegKey> key, REGSAM access) {
  const ULONG_PTR handle = m.NewHandle();
  m.openKeys[handle] = sim::OpenKey{std::move(key), access};
  return reinterpret_cast<HKEY>(handle);
}

LONG CreateKey(Machine& m, HKEY key, const std::u16string& subKey, REGSAM access, PHKEY result,
               LPDWORD disposition) {
  if (!result) return ERROR_INVALID_PARAMETER;
  *result = nullptr;
  auto node = Resolve(m, key);
  if (!node || node->deleted) return ERROR_INVALID_HANDLE;
  std::vector<std::u16string> parts;
  if (!SplitPath(subKey, parts)) return ERROR_INVALID_PARAMETER;
  // The rights are checked before anything is made: a new key needs the
  // right to create it on its parent, and the key, new or old, is opened
  // with the mask asked for.
  std::u16string path = node->path;
  std::shared_ptr<RegKey> existing = node;
  for (const auto& part : parts) {
    if (existing) {
      auto child = existing->subkeys.find(part);
      if (child == existing->subkeys.end()) {
        if (Refused(m, node->underLocalMachine, path, KEY_CREATE_SUB_KEY)) return ERROR_ACCESS_DENIED;
        existing = nullptr;
      } else {
        existing = child->second;
      }
    }
    path = Below(path, part);
  }
  if (Refused(m, node->underLocalMachine, path, access)) return ERROR_ACCESS_DENIED;
  bool created = false;
  for (const auto& part : parts) {
    auto& child = node->subkeys[part];
    if (!child) {
      if (!sim::TakeRegistryWrite(m)) {
        node->subkeys.erase(part);
        return ERROR_REGISTRY_QUOTA_LIMIT;
      }
      child = std::make_shared<RegKey>();
      child->underLocalMachine = node->underLocalMachine;
      child->path = Below(node->path, part);
      created = true;
    }
    node = child;
  }
  if (disposition) *disposition = created ? REG_CREATED_NEW_KEY : REG_OPENED_EXISTING_KEY;
  *result = Hand(m, node, access);
  return ERROR_SUCCESS;
}

LONG OpenKey(Machine& m, HKEY key, const std::u16string& subKey, REGSAM access, PHKEY result) {
  if (!result) return ERROR_INVALID_PARAMETER;
  *result = nullptr;
  auto node = Resolve(m, key);
  if (!node || node->deleted) return ERROR_INVALID_HANDLE;
  std::vector<std::u16string> parts;
  if (!SplitPath(subKey, parts)) return ERROR_INVALID_PARAMETER;
  for (const auto& part : parts) {
    auto child = node->subkeys.find(part);
    if (child == node->subkeys.end()) return ERROR_FILE_NOT_FOUND;
    node = child->second;
  }
  if (Refused(m, *node, access)) return ERROR_ACCESS_DENIED;
  *result = Hand(m, node, access);
  return ERROR_SUCCESS;
}

// The key behind an open handle with the right asked for, or the status.
LONG KeyWithRight(Machine& m, HKEY key, REGSAM right, std::shared_ptr<RegKey>& node) {
  REGSAM access = 0;
  node = Resolve(m, key, &access);
  if (!node) return ERROR_INVALID_HANDLE;
  if (node->deleted) return ERROR_KEY_DELETED;
  if (!(access & right)) return ERROR_ACCESS_DENIED;
  return ERROR_SUCCESS;
}

// Stored as the ANSI functions read it back: a wide string in the code page.
std::vector<BYTE> Stored(const Machine& m, DWORD type, const BYTE* data, DWORD size, bool wide) {
  std::vector<BYTE> bytes(data, data + size);
  if (!wide || !IsText(type)) return bytes;
  std::u16string text(size / sizeof(char16_t), u'\0');
  if (!text.empty()) std::memcpy(text.data(), data, text.size() * sizeof(char16_t));
  const std::string ansi = sim::NarrowIn(m.codePage, text);
  return {ansi.begin(), ansi.end()};
}

// The stored data as a function of that kind reads it.
std::vector<BYTE> AsRead(const Machine& m, const sim::RegValue& value, bool wide) {
  if (!wide || !IsText(value.type)) return value.data;
  const std::u16string text = sim::WidenIn(
      m.codePage, std::string_view(reinterpret_cast<const char*>(value.data.data()), value.data.size()));
  const auto* bytes = reinterpret_cast<const BYTE*>(text.data());
  return {bytes, bytes + text.size() * sizeof(char16_t)};
}

LONG SetValue(Machine& m, HKEY key, std::u16string name, DWORD type, const BYTE* data, DWORD size,
              bool wide) {
  if (size && !data) return ERROR_INVALID_PARAMETER;
  std::shared_ptr<RegKey> node;
  if (const LONG status = KeyWithRight(m, key, KEY_SET_VALUE, node)) return status;
  if (!sim::TakeRegistryWrite(m)) return ERROR_REGISTRY_QUOTA_LIMIT;
  node->values[std::move(name)] = sim::RegValue{type, Stored(m, type, data, size, wide)};
  return ERROR_SUCCESS;
}

// Hands out data as RegQueryValueEx and RegEnumValue do: its size alone
// without a buffer, ERROR_MORE_DATA and the size needed for one too small.
LONG HandOut(const std::vector<BYTE>& bytes, LPBYTE data, LPDWORD size) {
  const auto stored = static_cast<DWORD>(bytes.size());
  if (!data) {
    if (size) *size = stored;
    return ERROR_SUCCESS;
  }
  if (*size < stored) {
    *size = stored;
    return ERROR_MORE_DATA;
  }
  if (stored) std::memcpy(data, bytes.data(), stored);
  *size = stored;
  return ERROR_SUCCESS;
}

LONG QueryValue(Machine& m, HKEY key, const std::u16string& name, LPDWORD reserved, LPDWORD type,
                LPBYTE data, LPDWORD size, bool wide) {
  std::shared_ptr<RegKey> node;
  REGSAM access = 0;
  node = Resolve(m, key, &access);
  if (!node) return ERROR_INVALID_HANDLE;
  if (node->deleted) return ERROR_KEY_DELETED;
  if (reserved || (data && !size)) return ERROR_INVALID_PARAMETER;
  if (!(access & KEY_QUERY_VALUE)) return ERROR_ACCESS_DENIED;
  auto value = node->values.find(name);
  if (value == node->values.end()) return ERROR_FILE_NOT_FOUND;
  if (type) *type = value->second.type;
  return HandOut(AsRead(m, value->second, wide), data, size);
}

// A name into a caller's buffer of *length characters, its terminating zero
// included; on success *length is the name's length without it.
LONG HandOutName(const std::u16string& name, LPWSTR buffer, LPDWORD length) {
  if (!buffer || !length) return ERROR_INVALID_PARAMETER;
  if (name.size() + 1 > *length) return ERROR_MORE_DATA;
  std::memcpy(buffer, name.c_str(), (name.size() + 1) * sizeof(char16_t));
  *length = static_cast<DWORD>(name.size());
  return ERROR_SUCCESS;
}

LONG DeleteKey(Machine& m, HKEY key, const std::u16string& subKey) {
  auto node = Resolve(m, key);
  if (!node || node->deleted) return ERROR_INVALID_HANDLE;
  std::vector<std::u16string> parts;
  if (!SplitPath(subKey, parts)) return ERROR_INVALID_PARAMETER;
  if (parts.empty()) return ERROR_ACCESS_DENIED;  // a key cannot delete itself this way
  std::shared_ptr<RegKey> parent = node;
  for (const auto& part : parts) {
    auto child = node->subkeys.find(part);
    if (child == node->subkeys.end()) return ERROR_FILE_NOT_FOUND;
    parent = node;
    node = child->second;
  }
  if (!node->subkeys.empty()) return ERROR_ACCESS_DENIED;
  if (Refused(m, *node, DELETE)) return ERROR_ACCESS_DENIED;
  node->deleted = true;
  parent->subkeys.erase(parts.back());
  return ERROR_SUCCESS;
}

LONG DeleteValue(Machine& m, HKEY key, const std::u16string& name) {
  std::shared_ptr<RegKey> node;
  if (const LONG status = KeyWithRight(m, key, KEY_SET_VALUE, node)) return status;
  return node->values.erase(name) ? ERROR_SUCCESS : ERROR_FILE_NOT_FOUND;
}

// Every simulated registry function starts so: the machine locked, the call
// recorded, and the status a test made it fail with returned at once.
#define SCRIBBET_SIM_REGISTRY_ENTER(function)                                              \
  auto m = sim::Lock();                                                                    \
  if (const DWORD failure = sim::Enter(m.machine, PLATFORM_ENTRY_POINT(kAdvapi32, function))) \
    return static_cast<LONG>(failure)

}  // namespace

LONG RegCreateKeyExA(HKEY key, LPCSTR subKey, DWORD, LPSTR, DWORD, REGSAM access,
                     LPSECURITY_ATTRIBUTES, PHKEY result, LPDWORD disposition) {
  SCRIBBET_SIM_REGISTRY_ENTER(RegCreateKeyExA);
  return CreateKey(m.machine, key, Wide(m.machine, subKey), access, result, disposition);
}

LONG RegCreateKeyExW(HKEY key, LPCWSTR subKey, DWORD, LPWSTR, DWORD, REGSAM access,
                     LPSECURITY_ATTRIBUTES, PHKEY result, LPDWORD disposition) {
  SCRIBBET_SIM_REGISTRY_ENTER(RegCreateKeyExW);
  return CreateKey(m.machine, key, Wide(subKey), access, result, disposition);
}

LONG RegOpenKeyExA(HKEY key, LPCSTR subKey, DWORD, REGSAM access, PHKEY result) {
  SCRIBBET_SIM_REGISTRY_ENTER(RegOpenKeyExA);
  return OpenKey(m.machine, key, Wide(m.machine, subKey), access, result);
}

LONG RegOpenKeyExW(HKEY key, LPCWSTR subKey, DWORD, REGSAM access, PHKEY result) {
  SCRIBBET_SIM_REGISTRY_ENTER(RegOpenKeyExW);
  return OpenKey(m.machine, key, Wide(subKey), access, result);
}

LONG RegSetValueExA(HKEY key, LPCSTR valueName, DWORD, DWORD type, const BYTE* data, DWORD size) {
  SCRIBBET_SIM_REGISTRY_ENTER(RegSetValueExA);
  return SetValue(m.machine, key, Wide(m.machine, valueName), type, data, size, false);
}

LONG RegSetValueExW(HKEY key, LPCWSTR valueName, DWORD, DWORD type, const BYTE* data, DWORD size) {
  SCRIBBET_SIM_REGISTRY_ENTER(RegSetValueExW);
  return SetValue(m.machine, key, Wide(valueName), type, data, size, true);
}

LONG RegQueryValueExA(HKEY key, LPCSTR valueName, LPDWORD reserved, LPDWORD type, LPBYTE data,
                      LPDWORD size) {
  SCRIBBET_SIM_REGISTRY_ENTER(RegQueryValueExA);
  return QueryValue(m.machine, key, Wide(m.machine, valueName), reserved, type, data, size, false);
}

LONG RegQueryValueExW(HKEY key, LPCWSTR valueName, LPDWORD reserved, LPDWORD type, LPBYTE data,
                      LPDWORD size) {
  SCRIBBET_SIM_REGISTRY_ENTER(RegQueryValueExW);
  return QueryValue(m.machine, key, Wide(valueName), reserved, type, data, size, true);
}

LONG RegEnumKeyExW(HKEY key, DWORD index, LPWSTR name, LPDWORD nameLength, LPDWORD, LPWSTR keyClass,
                   LPDWORD classLength, PFILETIME lastWriteTime) {
  SCRIBBET_SIM_REGISTRY_ENTER(RegEnumKeyExW);
  std::shared_ptr<RegKey> node;
  if (const LONG status = KeyWithRight(m.machine, key, KEY_ENUMERATE_SUB_KEYS, node)) return status;
  if (index >= node->subkeys.size()) return ERROR_NO_MORE_ITEMS;
  if (const LONG status = HandOutName(std::next(node->subkeys.begin(), index)->first, name, nameLength))
    return status;
  if (keyClass && classLength && *classLength) keyClass[0] = u'\0';
  if (classLength) *classLength = 0;
  if (lastWriteTime) *lastWriteTime = FILETIME{0, 0};
  return ERROR_SUCCESS;
}

LONG RegEnumValueW(HKEY key, DWORD index, LPWSTR valueName, LPDWORD nameLength, LPDWORD reserved,
                   LPDWORD type, LPBYTE data, LPDWORD size) {
  SCRIBBET_SIM_REGISTRY_ENTER(RegEnumValueW);
  std::shared_ptr<RegKey> node;
  if (const LONG status = KeyWithRight(m.machine, key, KEY_QUERY_VALUE, node)) return status;
  if (reserved || (data && !size)) return ERROR_INVALID_PARAMETER;
  if (index >= node->values.size()) return ERROR_NO_MORE_ITEMS;
  const auto& [name, value] = *std::next(node->values.begin(), index);
  if (const LONG status = HandOutName(name, valueName, nameLength)) return status;
  if (type) *type = value.type;
  return HandOut(AsRead(m.machine, value, true), data, size);
}

LONG RegDeleteKeyA(HKEY key, LPCSTR subKey) {
  SCRIBBET_SIM_REGISTRY_ENTER(RegDeleteKeyA);
  return DeleteKey(m.machine, key, Wide(m.machine, subKey));
}

LONG RegDeleteKeyW(HKEY key, LPCWSTR subKey) {
  SCRIBBET_SIM_REGISTRY_ENTER(RegDeleteKeyW);
  return DeleteKey(m.machine, key, Wide(subKey));
}

LONG RegDeleteValueA(HKEY key, LPCSTR valueName) {
  SCRIBBET_SIM_REGISTRY_ENTER(RegDeleteValueA);
  return DeleteValue(m.machine, key, Wide(m.machine, valueName));
}

LONG RegDeleteValueW(HKEY key, LPCWSTR valueName) {
  SCRIBBET_SIM_REGISTRY_ENTER(RegDeleteValueW);
  return DeleteValue(m.machine, key, Wide(valueName));
}

LONG RegCloseKey(HKEY key) {
  SCRIBBET_SIM_REGISTRY_ENTER(RegCloseKey);
  const auto value = reinterpret_cast<ULONG_PTR>(key);
  if (m->roots.count(value)) return ERROR_SUCCESS;
  return m->openKeys.erase(value) ? ERROR_SUCCESS : ERROR_INVALID_HANDLE;
}

namespace sim {

namespace {

std::u16string JoinedPath(const std::u16string& path) {
  std::vector<std::u16string> parts;
  SplitPath(path, parts);
  std::u16string joined;
  for (const auto& part : parts) joined = Below(joined, part);
  return joined;
}

void Picture(const RegKey& key, std::vector<PictureKey>& keys) {
  PictureKey picture{key.path, {}};
  for (const auto& [name, value] : key.values) picture.values.push_back({name, value.type, value.data});
  keys.push_back(std::move(picture));
  for (const auto& entry : key.subkeys) Picture(*entry.second, keys);
}

}  // namespace

std::vector<PictureKey> RegistryPicture(const std::u16string& path) {
  auto m = Lock();
  std::shared_ptr<RegKey> node = m->roots.at(reinterpret_cast<ULONG_PTR>(HKEY_LOCAL_MACHINE));
  std::vector<std::u16string> parts;
  SplitPath(path, parts);
  for (const auto& part : parts) {
    auto child = node->subkeys.find(part);
    if (child == node->subkeys.end()) return {};
    node = child->second;
  }
  std::vector<PictureKey> keys;
  Picture(*node, keys);
  return keys;
}

std::u16string RegistryFolded(const std::u16string& name) {
  std::u16string folded = name;
  for (char16_t& c : folded) c = RegistryUpcase(c);
  return folded;
}

void LimitKeyRights(const std::u16string& path, REGSAM rights) {
  Lock()->keyRights[JoinedPath(path)] = rights;
}

void LimitKeyRights(const std::string& path, REGSAM rights) {
  auto m = Lock();
  m->keyRights[JoinedPath(WidenIn(m->codePage, path))] = rights;
}

}  // namespace sim

}  // namespace platform
