// clsSupport: tells which system the control runs on.
#pragma once

#include <cstdint>

namespace scribbet {

// GetVersionType's results.
inline constexpr std::int16_t kWindows95Line = 1;  // Windows 95, 98, Me
inline constexpr std::int16_t kWindowsNT4 = 2;     // Windows NT 4.0, any edition
inline constexpr std::int16_t kOtherSystem = -1;   // NT 3.x, 2000 and later, others

class clsSupport {
 public:
  // Classifies the running system by its major version and platform only.
  std::int16_t GetVersionType();
};

}  // namespace scribbet
