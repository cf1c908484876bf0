#include "installer/sources/sources_to_register.h"

#include "platform/ansi.h"
#include "platform/handles.h"
#include "platform/registry.h"
#include "shared/source_key.h"

namespace scribbet::setup {

namespace {

enum class KeyState { Missing, WithoutMessageFile, Registered, Unreadable };

KeyState StateOf(const std::u16string& name) {
  const std::string path = platform::ToAnsi(kSourceKeyPrefix + name);
  platform::unique_hkey key;
  const LONG opened = platform::KeepIfOpened(
      key, platform::RegOpenKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, KEY_QUERY_VALUE, key.put()));
  if (opened == ERROR_FILE_NOT_FOUND) return KeyState::Missing;
  if (opened != ERROR_SUCCESS) return KeyState::Unreadable;
  const std::string value = platform::ToAnsi(kMessageFileValue);
  DWORD type = 0, size = 0;
  switch (platform::RegQueryValueExA(key.get(), value.c_str(), nullptr, &type, nullptr, &size)) {
    case ERROR_SUCCESS: return KeyState::Registered;
    case ERROR_FILE_NOT_FOUND: return KeyState::WithoutMessageFile;
    default: return KeyState::Unreadable;
  }
}

}  // namespace

SourcePlan SourcesToRegister(const std::vector<std::u16string>& names) {
  SourcePlan plan;
  for (const std::u16string& name : names) {
    switch (StateOf(name)) {
      case KeyState::Missing:
      case KeyState::WithoutMessageFile: plan.toRegister.push_back(name); break;
      case KeyState::Registered: plan.leftAlone.emplace_back(name, LeftAlone::Registered); break;
      case KeyState::Unreadable: plan.leftAlone.emplace_back(name, LeftAlone::Unreadable); break;
    }
  }
  return plan;
}

std::u16string LeftAloneText(const std::u16string& name, LeftAlone reason) {
  std::u16string text = u"The event source \"" + name + u"\" was left as it is: ";
  text += reason == LeftAlone::Registered
              ? u"its key already names a message file."
              : u"its key exists but cannot be read, so it belongs to another program.";
  return text;
}

}  // namespace scribbet::setup
