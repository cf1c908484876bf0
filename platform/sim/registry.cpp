// The simulated registry: a tree of keys with typed values, the status codes
// of the real one, and the rights a test grants on the keys under
// HKEY_LOCAL_MACHINE.
#include "platform/registry.h"

#include <cstring>

#include "platform/ansi.h"
#include "platform/sim/state.h"

namespace platform {

using sim::Machine;
using sim::RegKey;

namespace {

constexpr char kAdvapi32[] = "advapi32.dll";
constexpr std::size_t kMaxKeyNameLength = 255;
constexpr REGSAM kMaximumAllowed = 0x02000000;

std::shared_ptr<RegKey> Resolve(Machine& m, HKEY handle, REGSAM* access = nullptr) {
  const auto value = reinterpret_cast<ULONG_PTR>(handle);
  if (auto root = m.roots.find(value); root != m.roots.end()) {
    if (access) *access = root->second->underLocalMachine ? sim::RightsAt(m, "") : sim::kEveryRight;
    return root->second;
  }
  auto open = m.openKeys.find(value);
  if (open == m.openKeys.end()) return nullptr;
  if (access) *access = open->second.access;
  return open->second.key;
}

// Splits a subkey path at its separators; empty parts (a doubled or trailing
// separator) are skipped as the real registry does.
bool SplitPath(LPCSTR path, std::vector<std::string>& parts) {
  if (!path) return true;
  std::string part;
  for (const char* c = path;; ++c) {
    if (*c == '\\' || *c == '\0') {
      if (part.size() > kMaxKeyNameLength) return false;
      if (!part.empty()) parts.push_back(std::move(part));
      part.clear();
      if (*c == '\0') return true;
    } else {
      part += *c;
    }
  }
}

std::string Below(const std::string& path, const std::string& part) {
  return path.empty() ? part : path + '\\' + part;
}

// Whether the mask asks for a right the account lacks on the key at the
// path. A mask is granted whole or not at all; MAXIMUM_ALLOWED asks for
// whatever is granted.
bool Refused(const Machine& m, bool underLocalMachine, const std::string& path, REGSAM access) {
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

}  // namespace

LONG RegCreateKeyExA(HKEY key, LPCSTR subKey, DWORD, LPSTR, DWORD, REGSAM access,
                     LPSECURITY_ATTRIBUTES, PHKEY result, LPDWORD disposition) {
  auto m = sim::Lock();
  if (const DWORD failure = sim::Enter(m.machine, kAdvapi32, "RegCreateKeyExA"))
    return static_cast<LONG>(failure);
  if (!result) return ERROR_INVALID_PARAMETER;
  *result = nullptr;
  auto node = Resolve(m.machine, key);
  if (!node || node->deleted) return ERROR_INVALID_HANDLE;
  std::vector<std::string> parts;
  if (!SplitPath(subKey, parts)) return ERROR_INVALID_PARAMETER;
  // The rights are checked before anything is made: a new key needs the
  // right to create it on its parent, and the key, new or old, is opened
  // with the mask asked for.
  std::string path = node->path;
  std::shared_ptr<RegKey> existing = node;
  for (const auto& part : parts) {
    if (existing) {
      auto child = existing->subkeys.find(part);
      if (child == existing->subkeys.end()) {
        if (Refused(m.machine, node->underLocalMachine, path, KEY_CREATE_SUB_KEY))
          return ERROR_ACCESS_DENIED;
        existing = nullptr;
      } else {
        existing = child->second;
      }
    }
    path = Below(path, part);
  }
  if (Refused(m.machine, node->underLocalMachine, path, access)) return ERROR_ACCESS_DENIED;
  bool created = false;
  for (const auto& part : parts) {
    auto& child = node->subkeys[part];
    if (!child) {
      if (!sim::TakeRegistryWrite(m.machine)) {
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
  *result = Hand(m.machine, node, access);
  return ERROR_SUCCESS;
}

LONG RegOpenKeyExA(HKEY key, LPCSTR subKey, DWORD, REGSAM access, PHKEY result) {
  auto m = sim::Lock();
  if (const DWORD failure = sim::Enter(m.machine, kAdvapi32, "RegOpenKeyExA"))
    return static_cast<LONG>(failure);
  if (!result) return ERROR_INVALID_PARAMETER;
  *result = nullptr;
  auto node = Resolve(m.machine, key);
  if (!node || node->deleted) return ERROR_INVALID_HANDLE;
  std::vector<std::string> parts;
  if (!SplitPath(subKey, parts)) return ERROR_INVALID_PARAMETER;
  for (const auto& part : parts) {
    auto child = node->subkeys.find(part);
    if (child == node->subkeys.end()) return ERROR_FILE_NOT_FOUND;
    node = child->second;
  }
  if (Refused(m.machine, *node, access)) return ERROR_ACCESS_DENIED;
  *result = Hand(m.machine, node, access);
  return ERROR_SUCCESS;
}

namespace {

LONG SetValue(const char* entryPoint, HKEY key, std::string name, DWORD type,
              std::vector<BYTE> data) {
  auto m = sim::Lock();
  if (const DWORD failure = sim::Enter(m.machine, kAdvapi32, entryPoint))
    return static_cast<LONG>(failure);
  REGSAM access = 0;
  auto node = Resolve(m.machine, key, &access);
  if (!node) return ERROR_INVALID_HANDLE;
  if (node->deleted) return ERROR_KEY_DELETED;
  if (!(access & KEY_SET_VALUE)) return ERROR_ACCESS_DENIED;
  if (!sim::TakeRegistryWrite(m.machine)) return ERROR_REGISTRY_QUOTA_LIMIT;
  node->values[std::move(name)] = sim::RegValue{type, std::move(data)};
  return ERROR_SUCCESS;
}

}  // namespace

LONG RegSetValueExA(HKEY key, LPCSTR valueName, DWORD, DWORD type, const BYTE* data, DWORD size) {
  if (size && !data) return ERROR_INVALID_PARAMETER;
  return SetValue("RegSetValueExA", key, valueName ? valueName : "", type,
                  std::vector<BYTE>(data, data + size));
}

// The simulated registry keeps what the ANSI functions read back, so wide
// text is stored as the real registry's ANSI view of it shows it.
LONG RegSetValueExW(HKEY key, LPCWSTR valueName, DWORD, DWORD type, const BYTE* data, DWORD size) {
  if (size && !data) return ERROR_INVALID_PARAMETER;
  std::vector<BYTE> stored(data, data + size);
  if (type == REG_SZ || type == REG_EXPAND_SZ) {
    std::u16string text(size / sizeof(char16_t), u'\0');
    if (size) std::memcpy(text.data(), data, text.size() * sizeof(char16_t));
    const std::string ansi = ToAnsi(text);
    stored.assign(ansi.begin(), ansi.end());
  }
  return SetValue("RegSetValueExW", key, valueName ? ToAnsi(valueName) : "", type,
                  std::move(stored));
}

LONG RegQueryValueExA(HKEY key, LPCSTR valueName, LPDWORD reserved, LPDWORD type, LPBYTE data,
                      LPDWORD size) {
  auto m = sim::Lock();
  if (const DWORD failure = sim::Enter(m.machine, kAdvapi32, "RegQueryValueExA"))
    return static_cast<LONG>(failure);
  REGSAM access = 0;
  auto node = Resolve(m.machine, key, &access);
  if (!node) return ERROR_INVALID_HANDLE;
  if (node->deleted) return ERROR_KEY_DELETED;
  if (reserved || (data && !size)) return ERROR_INVALID_PARAMETER;
  if (!(access & KEY_QUERY_VALUE)) return ERROR_ACCESS_DENIED;
  auto value = node->values.find(valueName ? valueName : "");
  if (value == node->values.end()) return ERROR_FILE_NOT_FOUND;
  const auto stored = static_cast<DWORD>(value->second.data.size());
  if (type) *type = value->second.type;
  if (!data) {
    if (size) *size = stored;
    return ERROR_SUCCESS;
  }
  if (*size < stored) {
    *size = stored;
    return ERROR_MORE_DATA;
  }
  if (stored) std::memcpy(data, value->second.data.data(), stored);
  *size = stored;
  return ERROR_SUCCESS;
}

LONG RegDeleteKeyA(HKEY key, LPCSTR subKey) {
  auto m = sim::Lock();
  if (const DWORD failure = sim::Enter(m.machine, kAdvapi32, "RegDeleteKeyA"))
    return static_cast<LONG>(failure);
  auto node = Resolve(m.machine, key);
  if (!node || node->deleted) return ERROR_INVALID_HANDLE;
  std::vector<std::string> parts;
  if (!SplitPath(subKey, parts)) return ERROR_INVALID_PARAMETER;
  if (parts.empty()) return ERROR_ACCESS_DENIED;  // a key cannot delete itself this way
  std::shared_ptr<RegKey> parent = node;
  for (std::size_t i = 0; i < parts.size(); ++i) {
    auto child = node->subkeys.find(parts[i]);
    if (child == node->subkeys.end()) return ERROR_FILE_NOT_FOUND;
    parent = node;
    node = child->second;
  }
  if (!node->subkeys.empty()) return ERROR_ACCESS_DENIED;
  if (Refused(m.machine, *node, DELETE)) return ERROR_ACCESS_DENIED;
  node->deleted = true;
  parent->subkeys.erase(parts.back());
  return ERROR_SUCCESS;
}

LONG RegDeleteValueA(HKEY key, LPCSTR valueName) {
  auto m = sim::Lock();
  if (const DWORD failure = sim::Enter(m.machine, kAdvapi32, "RegDeleteValueA"))
    return static_cast<LONG>(failure);
  REGSAM access = 0;
  auto node = Resolve(m.machine, key, &access);
  if (!node) return ERROR_INVALID_HANDLE;
  if (node->deleted) return ERROR_KEY_DELETED;
  if (!(access & KEY_SET_VALUE)) return ERROR_ACCESS_DENIED;
  return node->values.erase(valueName ? valueName : "") ? ERROR_SUCCESS : ERROR_FILE_NOT_FOUND;
}

LONG RegCloseKey(HKEY key) {
  auto m = sim::Lock();
  if (const DWORD failure = sim::Enter(m.machine, kAdvapi32, "RegCloseKey"))
    return static_cast<LONG>(failure);
  const auto value = reinterpret_cast<ULONG_PTR>(key);
  if (m->roots.count(value)) return ERROR_SUCCESS;
  return m->openKeys.erase(value) ? ERROR_SUCCESS : ERROR_INVALID_HANDLE;
}

namespace sim {

void LimitKeyRights(const std::string& path, REGSAM rights) {
  std::vector<std::string> parts;
  SplitPath(path.c_str(), parts);
  std::string joined;
  for (const auto& part : parts) joined = Below(joined, part);
  Lock()->keyRights[joined] = rights;
}

}  // namespace sim

}  // namespace platform
