// What the tests need of the machine, the same on the simulated platform and
// on Windows: a clean start, names no other test uses, the registry read back
// through the platform functions, and faults that only the simulation has.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/sim/control.h"
#include "platform/types.h"
#include "scribbet_names.h"

namespace testing_support {

// True on the simulated platform, where faults can be injected. A check
// only it can make, inside a test that runs everywhere, goes under
// `if constexpr (kSimulated)`: compiled on every platform, and since the
// branch is discarded on Windows, the simulated machine's controls it calls
// are never needed there. Whole tests use SIMULATED_TEST[_F] below.
#ifdef _WIN32
inline constexpr bool kSimulated = false;
#else
inline constexpr bool kSimulated = true;
#endif

// A fresh simulated machine; on Windows nothing (names keep tests apart).
void ResetMachine();

// A name no other test or run has used: stem, process id, counter.
std::u16string UniqueName(const std::u16string& stem);

std::string Narrow(const std::u16string& text);  // ASCII text only
std::u16string Widen(const std::string& text);   // ASCII text only
std::string Utf8(const std::u16string& text);    // for messages; the basic plane

struct StoredValue {
  DWORD type;
  std::vector<std::uint8_t> bytes;
  bool operator==(const StoredValue&) const = default;
};

// The raw value under HKEY_LOCAL_MACHINE\path, or nothing when the key or the
// value is missing.
std::optional<StoredValue> ReadStoredValue(const std::u16string& path,
                                           const std::u16string& name);
bool KeyExists(const std::u16string& path);
// Whether the key exists under exactly this wide name, asked through the
// wide registry functions: a name the ANSI code page changed on its way in
// does not match.
bool KeyExistsUnderWideName(const std::u16string& path);
// Creates the key if needed and stores the raw value.
void StoreValue(const std::u16string& path, const std::u16string& name, DWORD type,
                const std::vector<std::uint8_t>& bytes);
// Deletes the key and the keys below it, deepest first (names given).
void DeleteKey(const std::u16string& path);

StoredValue Text(const std::string& bytesWithoutZero);  // type 1, the bytes and one 0
StoredValue Number(std::uint32_t value);                // type 4, little-endian

// The message file the control records in a process that is not a 32-bit
// one on 64-bit Windows, as the registry stores it.
inline const StoredValue kOurMessageFile = Text("%SystemRoot%\\System32\\" SCRIBBET_CONTROL_FILE);

}  // namespace testing_support

// A test that needs a fault or a setting only the simulated platform offers.
// Against the real system it is compiled, so it keeps up with the code, but
// never registered: it neither runs nor counts as skipped there. Its body is
// a member of a class template nobody instantiates, so the simulated
// machine's controls it calls (platform/sim/control.h, declared on every
// platform) are checked by the compiler and never needed by the linker.
#ifdef _WIN32
#define SCRIBBET_UNREGISTERED_TEST_(base, suite, name)            \
  template <typename>                                             \
  class suite##_##name##_OnlySimulated : public base {            \
    void TestBody() override;                                     \
  };                                                              \
  template <typename Unused>                                      \
  void suite##_##name##_OnlySimulated<Unused>::TestBody()
#define SIMULATED_TEST_F(fixture, name) SCRIBBET_UNREGISTERED_TEST_(fixture, fixture, name)
#define SIMULATED_TEST(suite, name) SCRIBBET_UNREGISTERED_TEST_(::testing::Test, suite, name)
#else
#define SIMULATED_TEST_F(fixture, name) TEST_F(fixture, name)
#define SIMULATED_TEST(suite, name) TEST(suite, name)
#endif
