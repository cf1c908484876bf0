#include "bench/bare_sequence.h"

#include <string>
#include <vector>

#include "control/Scribbet.h"
#include "platform/ansi.h"
#include "platform/handles.h"

namespace bench {

namespace {

constexpr char kMessageFileValue[] = "EventMessageFile";

// The key path's fixed part is a constant; a program written against the
// ANSI functions would hold it in ANSI, so it is converted once, not per call.
const std::string& AnsiSourceKeyPrefix() {
  static const std::string prefix = platform::ToAnsi(scribbet::kSourceKeyPrefix);
  return prefix;
}

void ReadMessageFile(const std::string& source) {
  const std::string keyPath = AnsiSourceKeyPrefix() + source;
  platform::unique_hkey key;
  if (platform::KeepIfOpened(key, platform::RegOpenKeyExA(HKEY_LOCAL_MACHINE, keyPath.c_str(), 0,
                                                          scribbet::kKeyAccess, key.put())) !=
      ERROR_SUCCESS)
    return;
  DWORD type = 0;
  DWORD size = 0;
  if (platform::RegQueryValueExA(key.get(), kMessageFileValue, nullptr, &type, nullptr, &size) !=
      ERROR_SUCCESS)
    return;
  std::vector<BYTE> value(size);
  platform::RegQueryValueExA(key.get(), kMessageFileValue, nullptr, &type, value.data(), &size);
}

}  // namespace

BOOL BareWriteEvent(std::u16string_view message, WORD eventType, std::u16string_view source) {
  const std::string ansiSource = platform::ToAnsi(source);
  ReadMessageFile(ansiSource);

  // Declared before the buffer, so the buffer is freed first, as WriteEvent does.
  platform::unique_event_source eventSource(
      platform::RegisterEventSourceA("", ansiSource.c_str()));
  const std::string text = platform::ToAnsi(message);
  const auto size = static_cast<DWORD>(text.size() + 1);
  platform::unique_hglobal buffer(platform::GlobalAlloc(GPTR, size));
  if (!buffer) return FALSE;
  platform::RtlMoveMemory(buffer.get(), text.c_str(), size);

  LPCSTR strings[1] = {static_cast<LPCSTR>(buffer.get())};
  return platform::ReportEventA(eventSource.get(), eventType, 0, scribbet::kEventId, nullptr, 1,
                                size, strings, buffer.get());
}

}  // namespace bench
