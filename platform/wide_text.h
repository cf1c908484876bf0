// The system's wide text is UTF-16, as the system's own char16_t strings are;
// only the type differs: Windows' functions take wchar_t, the simulated ones
// char16_t. These hand a string to them as the type they take.
#pragma once

#include <string>
#include <string_view>

#include "platform/types.h"

namespace platform {

inline LPCWSTR WideArgument(const std::u16string& text) {
  return reinterpret_cast<LPCWSTR>(text.c_str());
}
inline LPWSTR WideBuffer(std::u16string& text) { return reinterpret_cast<LPWSTR>(text.data()); }

// A text of ASCII characters only (digits, a library's message) as UTF-16.
inline std::u16string FromAscii(std::string_view text) { return {text.begin(), text.end()}; }

}  // namespace platform
