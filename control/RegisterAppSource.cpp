// Registration of an event source on its first use.
#include "control/Scribbet.h"

namespace scribbet {

Reghack& Scribbet::Registry() {
  if (!reghack_) reghack_ = std::make_unique<Reghack>();
  return *reghack_;
}

namespace {

// Writes the supported types and tells whether the key now holds them.
bool WriteTypesSupported(Reghack& registry, const std::u16string& keyPath) noexcept {
  try {
    registry.SetKeyValue(keyPath, kTypesSupportedValue, Variant(kTypesSupported),
                         kTypesSupportedType);
    return registry.GetKeyValue(keyPath, kTypesSupportedValue) ==
           VariantText(Variant(kTypesSupported));
  } catch (...) {
    return false;
  }
}

// Whether the source's key already names a message file, of any type: such a
// key belongs to whoever wrote it and is left alone.
bool NamesMessageFile(Reghack& registry, const std::u16string& keyPath) {
  if (!registry.GetKeyValue(keyPath, kMessageFileValue).empty()) return true;
  // A message file stored as another type (an expandable string, as many
  // installers write it) reads as empty text, but belongs to someone else.
  return registry.HasValue(keyPath, kMessageFileValue);
}

}  // namespace

// Makes the name a source of the Application log with the control as its
// message file, unless the key already names a message file. A key without
// one is the control's to write, whatever else it holds: its supported
// types are replaced, its other values stay. Nothing it meets may stop the
// entry from being written, so every error ends it silently.
void Scribbet::RegisterAppSource(const std::u16string& name) noexcept {
  try {
    Reghack& registry = Registry();
    const std::u16string keyPath = SourceKeyPath(name);
    if (NamesMessageFile(registry, keyPath)) return;
    registry.CreateNewKey(keyPath, kLocalMachine);
    registry.SetKeyValue(keyPath, kMessageFileValue, Variant(std::u16string(EventMessageFile())),
                         kMessageFileType);
    if (WriteTypesSupported(registry, keyPath)) return;
    // The message file alone would make every later call take the source for
    // registered and never write its types (a registry that filled up between
    // the two values, say). Taken back, the next call registers it afresh.
    // The value was missing when this call began, so it is ours to remove.
    registry.DeleteKeyValue(keyPath, kMessageFileValue);
  } catch (...) {
  }
}

}  // namespace scribbet
