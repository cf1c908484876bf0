// The soaks' plan, on the simulated platform and on Wine: 25,000 calls going
// round valid and refused event types, known and fresh source names, with
// messages of 0 to 30,000 characters.
#pragma once

#include <cstdint>

namespace testing_support {

inline constexpr int kSoakCalls = 25'000;
inline constexpr int kSoakReadEvery = 2'500;  // a reading of what is held, every so many calls
inline constexpr int kSoakLongest = 30'000;

struct SoakCall {
  int length;  // of the message
  std::int16_t type;
  bool fresh;  // a source name not used before
  std::int16_t expectedType() const { return type == 3 ? 4 : type; }
  std::int16_t expectedResult() const { return type >= 1 && type <= 3 ? 1 : 0; }
};

inline SoakCall SoakPlan(int i) {
  static const std::int16_t kRefused[] = {0, 4, -1, 5, 32767, -32768};
  const bool valid = i % 2 == 0;
  return {static_cast<int>(static_cast<long long>(i) * 7919 % (kSoakLongest + 1)),
          valid ? static_cast<std::int16_t>(1 + i / 2 % 3) : kRefused[i / 2 % 6], i % 4 >= 2};
}

}  // namespace testing_support
