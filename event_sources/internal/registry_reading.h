// The registry as the event sources' code reads it: through the wide
// functions, the registry's own form, so that another program's names and
// texts arrive whole whatever the ANSI code page; every key below
// HKEY_LOCAL_MACHINE; and a failure that matters raised as RegistryError.
#pragma once

#include <stdexcept>
#include <string>
#include <vector>

#include "platform/handles.h"

namespace scribbet::sources {

// A registry call that failed where the work cannot go on without it.
class RegistryError : public std::runtime_error {
 public:
  RegistryError(LONG status, std::u16string path)
      : std::runtime_error("registry call failed"), status_(status), path_(std::move(path)) {}
  LONG status() const noexcept { return status_; }
  // The key below HKEY_LOCAL_MACHINE it failed on.
  const std::u16string& path() const noexcept { return path_; }

 private:
  LONG status_;
  std::u16string path_;
};

// A value as the registry holds it: name, type and data, byte for byte.
struct Value {
  std::u16string name;
  DWORD type;
  std::vector<BYTE> data;
  bool operator==(const Value&) const = default;
};

// HKEY_LOCAL_MACHINE\PATH opened with ACCESS; the status of the open.
LONG OpenKey(const std::u16string& path, REGSAM access, platform::unique_hkey& key);

// The names of the key's subkeys, and its values, in the registry's order.
// KEY is PATH opened with the right to enumerate subkeys, or to query values.
std::vector<std::u16string> SubkeyNames(HKEY key, const std::u16string& path);
std::vector<Value> ValuesOf(HKEY key, const std::u16string& path);

// A string value's text, without the zeros that end it; empty for a value of
// another type.
std::u16string TextOf(const Value& value);

// The value of that name (compared as the registry compares names), if any.
const Value* Named(const std::vector<Value>& values, std::u16string_view name);

// A path below HKEY_LOCAL_MACHINE: the parts joined by backslashes.
std::u16string KeyPath(std::u16string_view parent, std::u16string_view name);

}  // namespace scribbet::sources
