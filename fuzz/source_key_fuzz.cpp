// A source's key as another program may have left it: no key, a value where
// the key should be, the key with any values of any type and size (and keys
// below it), or no Application key at all; then WriteEvent under that
// source's name, on Windows before Vista or since. Whatever is there, the
// call leaves nothing open and the entry is written; a key that names a
// message file is left as it was, and a key that does not is registered.
#include <fuzzer/FuzzedDataProvider.h>

#include <strings.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "control/Scribbet.h"
#include "fuzz/fuzz_checks.h"
#include "fuzz/limits_oracle.h"
#include "platform/ansi.h"
#include "platform/handles.h"
#include "platform/sim/control.h"

using fuzzing::Require;

namespace {

constexpr char kApplicationKey[] = "System\\CurrentControlSet\\Services\\EventLog\\Application";
constexpr std::size_t kMostValues = 8;
constexpr std::size_t kLongestData = 64;
constexpr std::size_t kMostRepeats = 4096;

enum class Shape { NoKey, ValueInstead, Key, ValueAndKey, NoApplicationKey, kMaxValue = NoApplicationKey };

struct Value {
  DWORD type;
  std::vector<BYTE> data;
  bool operator==(const Value&) const = default;
};

platform::unique_hkey CreateKey(const std::string& path) {
  platform::unique_hkey key;
  Require(platform::KeepIfOpened(key, platform::RegCreateKeyExA(HKEY_LOCAL_MACHINE, path.c_str(),
                                                                0, nullptr, 0, 0x3F, nullptr,
                                                                key.put(), nullptr)) ==
              ERROR_SUCCESS,
          "the fuzz target could not make a key");
  return key;
}

std::optional<Value> Read(const std::string& path, const std::string& name) {
  platform::unique_hkey key;
  if (platform::KeepIfOpened(key, platform::RegOpenKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0,
                                                          KEY_QUERY_VALUE, key.put())) !=
      ERROR_SUCCESS)
    return std::nullopt;
  Value value{0, {}};
  DWORD size = 0;
  if (platform::RegQueryValueExA(key.get(), name.c_str(), nullptr, &value.type, nullptr, &size) !=
      ERROR_SUCCESS)
    return std::nullopt;
  value.data.resize(size);
  Require(platform::RegQueryValueExA(key.get(), name.c_str(), nullptr, &value.type,
                                     value.data.data(), &size) == ERROR_SUCCESS,
          "a value could not be read back");
  return value;
}

// A value name: one the control reads, the default value, or any bytes.
std::string ValueName(FuzzedDataProvider& input) {
  switch (input.ConsumeIntegralInRange(0, 4)) {
    case 0: return "EventMessageFile";
    case 1: return "TypesSupported";
    case 2: return "";
    case 3: return "eventmessagefile";
    default: {
      std::string name = input.ConsumeRandomLengthString(16);
      return name.substr(0, name.find('\0'));
    }
  }
}

Value AnyValue(FuzzedDataProvider& input) {
  // Mostly the registry's own types, sometimes any number at all.
  const DWORD type = input.ConsumeBool() ? input.ConsumeIntegralInRange<DWORD>(0, 11)
                                         : input.ConsumeIntegral<DWORD>();
  const bool large = input.ConsumeIntegralInRange(0, 7) == 0;
  const std::size_t repeats = large ? input.ConsumeIntegralInRange<std::size_t>(1, kMostRepeats) : 1;
  const std::vector<BYTE> pattern = input.ConsumeBytes<BYTE>(
      input.ConsumeIntegralInRange<std::size_t>(0, kLongestData));
  Value value{type, {}};
  for (std::size_t i = 0; i < repeats; ++i)
    value.data.insert(value.data.end(), pattern.begin(), pattern.end());
  return value;
}

void Store(const std::string& path, const std::string& name, const Value& value) {
  platform::unique_hkey key = CreateKey(path);
  Require(platform::RegSetValueExA(key.get(), name.c_str(), 0, value.type, value.data.data(),
                                   static_cast<DWORD>(value.data.size())) == ERROR_SUCCESS,
          "the fuzz target could not store a value");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider input(data, size);
  platform::sim::Reset();
  const std::u16string name = input.ConsumeBool() ? u"" : u"Fuzzed Source";
  const std::string source = platform::ToAnsi(name.empty() ? u"Scribbet" : name);
  const std::string keyPath = std::string(kApplicationKey) + "\\" + source;
  const auto shape = input.ConsumeEnum<Shape>();
  const auto typeOfEvent = input.ConsumeIntegral<std::int16_t>();

  if (shape == Shape::NoApplicationKey) {
    CreateKey("System\\CurrentControlSet\\Services\\EventLog");
  } else {
    CreateKey(kApplicationKey);
  }
  if (shape == Shape::ValueInstead || shape == Shape::ValueAndKey)
    Store(kApplicationKey, source, AnyValue(input));
  std::vector<std::string> names;
  if (shape == Shape::Key || shape == Shape::ValueAndKey) {
    CreateKey(keyPath);
    const auto count = input.ConsumeIntegralInRange<std::size_t>(0, kMostValues);
    for (std::size_t i = 0; i < count && input.remaining_bytes(); ++i) {
      names.push_back(ValueName(input));
      Store(keyPath, names.back(), AnyValue(input));
    }
    for (std::size_t i = input.ConsumeIntegralInRange(0, 2); i > 0; --i)
      CreateKey(keyPath + "\\" + input.ConsumeRandomLengthString(8).c_str());
  }
  std::vector<std::optional<Value>> before;
  for (const std::string& valueName : names) before.push_back(Read(keyPath, valueName));
  const bool namedAMessageFile = Read(keyPath, "EventMessageFile").has_value();
  const fuzzing::WindowsVersion version = fuzzing::PickWindowsVersion(input);

  scribbet::Scribbet control;
  std::u16string message = u"fuzzed key", nameArg = name;
  const bool fits = fuzzing::EntryFits(version, message.size(), message.size() + 1);
  std::int16_t type = typeOfEvent;
  const std::int16_t result = control.WriteEvent(message, type, nameArg);

  fuzzing::RequireNothingOpen();
  const bool entryWritten = typeOfEvent >= 1 && typeOfEvent <= 3 && fits;
  Require(result == (entryWritten ? 1 : 0), "the result is not whether the entry was written");
  Require(platform::sim::Reports().size() == (entryWritten ? 1u : 0u),
          "an entry the log accepts was not written");
  // The control writes its two values and nothing else; a source that
  // already names a message file keeps its key exactly as it was.
  for (std::size_t i = 0; i < names.size(); ++i) {
    const bool written = !namedAMessageFile &&
                         (strcasecmp(names[i].c_str(), "EventMessageFile") == 0 ||
                          strcasecmp(names[i].c_str(), "TypesSupported") == 0);
    if (!written)
      Require(Read(keyPath, names[i]) == before[i], "a value the control does not write changed");
  }
  if (namedAMessageFile) return 0;
  const std::string messageFile = platform::ToAnsi(scribbet::kEventMessageFile);
  Require(Read(keyPath, "EventMessageFile") ==
              Value{REG_SZ, std::vector<BYTE>(messageFile.c_str(),
                                              messageFile.c_str() + messageFile.size() + 1)},
          "the source was not registered with the control as its message file");
  Require(Read(keyPath, "TypesSupported") == Value{REG_DWORD, {7, 0, 0, 0}},
          "the source was not registered with its types");
  return 0;
}
