// What an out-parameter holds before the call, as in Wine's tests: a pattern
// no method writes, so that one that writes nothing fails the test.
#pragma once

#include <cstring>
#include <type_traits>

namespace testing_support {

inline constexpr unsigned long kUnwritten = 0xdeadbeef;

// A value of T with every byte 0xcc: a GUID, a SIZE, a record, a pointer.
template <typename T>
T Unwritten() {
  static_assert(std::is_trivially_copyable_v<T>);
  T value;
  std::memset(&value, 0xcc, sizeof value);
  return value;
}

}  // namespace testing_support
