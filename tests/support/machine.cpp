#include "tests/support/machine.h"

#include <atomic>
#include <chrono>

#include "platform/ansi.h"
#include "platform/handles.h"
#include "platform/wide_text.h"
#ifdef _WIN32
#include <process.h>
#else
#include <unistd.h>

#include "platform/sim/control.h"
#endif

namespace testing_support {

void ResetMachine() {
  if constexpr (kSimulated) platform::sim::Reset();
}

std::u16string UniqueName(const std::u16string& stem) {
  static std::atomic<int> counter{0};
#ifdef _WIN32
  const int pid = _getpid();
#else
  const int pid = getpid();
#endif
  // Wine reuses process ids, and its prefix keeps the keys of earlier runs:
  // the start time of the run keeps names apart across runs.
  static const auto started = std::chrono::steady_clock::now().time_since_epoch().count();
  std::string suffix = "-";
  suffix += std::to_string(started % 1000000007);
  suffix += '-';
  suffix += std::to_string(pid);
  suffix += '-';
  suffix += std::to_string(++counter);
  return stem + Widen(suffix);
}

std::string Narrow(const std::u16string& text) { return {text.begin(), text.end()}; }
std::u16string Widen(const std::string& text) { return {text.begin(), text.end()}; }

std::string Utf8(const std::u16string& text) {
  std::string out;
  for (char16_t c : text) {
    if (c < 0x80) {
      out += static_cast<char>(c);
    } else if (c < 0x800) {
      out += static_cast<char>(0xC0 | (c >> 6));
      out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
      out += static_cast<char>(0xE0 | (c >> 12));
      out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (c & 0x3F));
    }
  }
  return out;
}

std::optional<StoredValue> ReadStoredValue(const std::u16string& path,
                                           const std::u16string& name) {
  const std::string ansiPath = platform::ToAnsi(path);
  const std::string ansiName = platform::ToAnsi(name);
  platform::unique_hkey key;
  if (platform::KeepIfOpened(key, platform::RegOpenKeyExA(HKEY_LOCAL_MACHINE, ansiPath.c_str(), 0,
                                                          KEY_QUERY_VALUE, key.put())))
    return std::nullopt;
  DWORD type = 0, size = 0;
  if (platform::RegQueryValueExA(key.get(), ansiName.c_str(), nullptr, &type, nullptr, &size))
    return std::nullopt;
  StoredValue value{type, std::vector<std::uint8_t>(size)};
  if (platform::RegQueryValueExA(key.get(), ansiName.c_str(), nullptr, &type, value.bytes.data(),
                                 &size))
    return std::nullopt;
  value.bytes.resize(size);
  return value;
}

bool KeyExists(const std::u16string& path) {
  const std::string ansiPath = platform::ToAnsi(path);
  platform::unique_hkey key;
  return platform::KeepIfOpened(key, platform::RegOpenKeyExA(HKEY_LOCAL_MACHINE, ansiPath.c_str(),
                                                             0, KEY_QUERY_VALUE, key.put())) ==
         ERROR_SUCCESS;
}

bool KeyExistsUnderWideName(const std::u16string& path) {
  platform::unique_hkey key;
  return platform::KeepIfOpened(key, platform::RegOpenKeyExW(HKEY_LOCAL_MACHINE, platform::WideArgument(path), 0,
                                                             KEY_QUERY_VALUE, key.put())) ==
         ERROR_SUCCESS;
}

void StoreValue(const std::u16string& path, const std::u16string& name, DWORD type,
                const std::vector<std::uint8_t>& bytes) {
  const std::string ansiPath = platform::ToAnsi(path);
  const std::string ansiName = platform::ToAnsi(name);
  platform::unique_hkey key;
  if (platform::KeepIfOpened(key, platform::RegCreateKeyExA(HKEY_LOCAL_MACHINE, ansiPath.c_str(), 0,
                                                            nullptr, 0, KEY_SET_VALUE, nullptr,
                                                            key.put(), nullptr)))
    return;
  platform::RegSetValueExA(key.get(), ansiName.c_str(), 0, type, bytes.data(),
                           static_cast<DWORD>(bytes.size()));
}

void DeleteKey(const std::u16string& path) {
  const std::string ansiPath = platform::ToAnsi(path);
  platform::RegDeleteKeyA(HKEY_LOCAL_MACHINE, ansiPath.c_str());
}

StoredValue Text(const std::string& bytesWithoutZero) {
  StoredValue value{REG_SZ, {bytesWithoutZero.begin(), bytesWithoutZero.end()}};
  value.bytes.push_back(0);
  return value;
}

StoredValue Number(std::uint32_t v) {
  return StoredValue{REG_DWORD,
                     {std::uint8_t(v), std::uint8_t(v >> 8), std::uint8_t(v >> 16),
                      std::uint8_t(v >> 24)}};
}

}  // namespace testing_support
