#include "platform/ansi.h"

#include <climits>

#include "platform/errors.h"

namespace platform {

UINT AnsiCodePage() { return ::GetACP(); }

static int CheckedLength(std::size_t length) {
  if (length > static_cast<std::size_t>(INT_MAX)) RaiseOverflow("text too long to convert");
  return static_cast<int>(length);
}

AnsiText ToAnsiText(std::u16string_view text) {
  AnsiText out;
  out.ascii = NarrowAscii(text, out.bytes);
  if (out.ascii) return out;
  const auto* wide = reinterpret_cast<const wchar_t*>(text.data());
  const int length = CheckedLength(text.size());
  const int bytes = ::WideCharToMultiByte(CP_ACP, 0, wide, length, nullptr, 0, nullptr, nullptr);
  if (bytes <= 0) RaiseInvalidArgument("text cannot be converted to the ANSI code page");
  out.bytes.assign(static_cast<std::size_t>(bytes), '\0');
  ::WideCharToMultiByte(CP_ACP, 0, wide, length, out.bytes.data(), bytes, nullptr, nullptr);
  return out;
}

std::u16string FromAnsi(std::string_view bytes) {
  if (bytes.empty()) return {};
  const int length = CheckedLength(bytes.size());
  const int chars = ::MultiByteToWideChar(CP_ACP, 0, bytes.data(), length, nullptr, 0);
  if (chars <= 0) RaiseInvalidArgument("text cannot be converted from the ANSI code page");
  std::u16string out(static_cast<std::size_t>(chars), u'\0');
  ::MultiByteToWideChar(CP_ACP, 0, bytes.data(), length, reinterpret_cast<wchar_t*>(out.data()),
                        chars);
  return out;
}

}  // namespace platform
