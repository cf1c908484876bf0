#include "launcher/clsEnviron.h"

#include <cstdint>

#include "platform/ansi.h"
#include "platform/errors.h"
#include "platform/sysinfo.h"

namespace wayfinch {

namespace {

constexpr unsigned kBufferSize = 255;
constexpr char16_t kBlank = u' ';

}  // namespace

std::u16string clsEnviron::GetWindowsSysDir() {
  // The buffer starts as blanks, not zeros: what the call leaves unwritten
  // reads back as blanks, which AddBackslash ignores.
  std::string buffer = platform::ToAnsi(std::u16string(kBufferSize, kBlank));
  const auto length = static_cast<std::int32_t>(
      platform::GetSystemDirectoryA(buffer.data(), static_cast<UINT>(buffer.size())));
  const std::u16string returned = platform::FromAnsi(buffer);
  if (length < 1) return {};
  std::u16string directory = StripNull(returned);
  AddBackslash(directory);
  return directory;
}

void clsEnviron::AddBackslash(std::u16string& path) {
  const auto first = path.find_first_not_of(kBlank);
  const auto last = path.find_last_not_of(kBlank);
  const bool endsInSeparator =
      last != std::u16string::npos && (path[last] == u'\\' || path[last] == u'/');
  if (endsInSeparator) return;
  // Only the right side is trimmed for the append; leading blanks stay.
  path.erase(first == std::u16string::npos ? 0 : last + 1);
  path += u'\\';
}

std::u16string clsEnviron::StripNull(std::u16string text) {
  const auto found = text.find(u'\0');
  const std::size_t position = found == std::u16string::npos ? 0 : found + 1;
  if (position > INT16_MAX) platform::RaiseOverflow("position of the first NUL");
  const auto held = static_cast<std::int16_t>(position);
  if (held == 0) return text;
  return text.substr(0, static_cast<std::size_t>(held - 1));
}

}  // namespace wayfinch
