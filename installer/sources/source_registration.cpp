#include "installer/sources/source_registration.h"

#include <array>

#include "control/RegisterAppSource.h"
#include "platform/ansi.h"
#include "platform/handles.h"

namespace scribbet::setup {

namespace {

// The values a registration writes, as the ANSI functions take their names.
const std::array<std::string, 2> kWrittenValues = {platform::ToAnsi(kMessageFileValue),
                                                   platform::ToAnsi(kTypesSupportedValue)};

// A source's key as it was before this run wrote to it.
struct KeyBefore {
  std::u16string name;
  std::string path;  // below HKEY_LOCAL_MACHINE, as the ANSI functions take it
  bool existed = true;
  std::array<bool, kWrittenValues.size()> hadValue{true, true};
};

// Looked at with query rights alone. A key that is there but cannot be read
// counts as holding every value, so nothing of it is ever removed.
KeyBefore Look(const std::u16string& name) {
  KeyBefore before{name, platform::ToAnsi(kSourceKeyPrefix + name)};
  platform::unique_hkey key;
  const LONG status = platform::KeepIfOpened(
      key, platform::RegOpenKeyExA(HKEY_LOCAL_MACHINE, before.path.c_str(), 0, KEY_QUERY_VALUE,
                                   key.put()));
  if (status == ERROR_FILE_NOT_FOUND) {
    before.existed = false;
    before.hadValue.fill(false);
  }
  if (status != ERROR_SUCCESS) return before;
  for (std::size_t i = 0; i < kWrittenValues.size(); ++i)
    before.hadValue[i] = platform::RegQueryValueExA(key.get(), kWrittenValues[i].c_str(), nullptr, nullptr,
                                                    nullptr, nullptr) != ERROR_FILE_NOT_FOUND;
  return before;
}

bool Gone(LONG status) { return status == ERROR_SUCCESS || status == ERROR_FILE_NOT_FOUND; }

// Takes the key back to what Look saw; whether nothing of this run is left.
bool TakeBack(const KeyBefore& before) noexcept {
  try {
    if (!before.existed) return Gone(platform::RegDeleteKeyA(HKEY_LOCAL_MACHINE, before.path.c_str()));
    platform::unique_hkey key;
    // A key that cannot be opened to set values could not have been written
    // either: the registration opens it with the same right.
    if (platform::KeepIfOpened(key, platform::RegOpenKeyExA(HKEY_LOCAL_MACHINE, before.path.c_str(),
                                                            0, KEY_SET_VALUE, key.put())) !=
        ERROR_SUCCESS)
      return true;
    bool whole = true;
    for (std::size_t i = 0; i < kWrittenValues.size(); ++i)
      if (!before.hadValue[i] && !Gone(platform::RegDeleteValueA(key.get(), kWrittenValues[i].c_str())))
        whole = false;
    return whole;
  } catch (...) {
    return false;
  }
}

}  // namespace

RegistrationOutcome RegisterSources(Reghack& registry, const std::vector<std::u16string>& names) {
  std::vector<KeyBefore> written;
  for (const std::u16string& name : names) {
    bool registered = false;
    try {
      written.push_back(Look(name));
      const SourceRegistration outcome = RegisterSourceKey(registry, name);
      if (outcome == SourceRegistration::Kept) written.pop_back();
      registered = outcome != SourceRegistration::Failed && SourceNamesMessageFile(registry, name);
    } catch (...) {
    }
    if (registered) continue;
    RegistrationOutcome outcome{name, {}};
    for (auto key = written.rbegin(); key != written.rend(); ++key)
      if (!TakeBack(*key)) outcome.notTakenBack.insert(outcome.notTakenBack.begin(), key->name);
    return outcome;
  }
  return {};
}

}  // namespace scribbet::setup
