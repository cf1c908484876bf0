// WriteEvent: one entry into the Application event log.
#include <algorithm>
#include <climits>
#include <optional>

#include "control/Scribbet.h"
#include "platform/ansi.h"
#include "platform/errors.h"
#include "platform/eventlog.h"
#include "platform/handles.h"

namespace scribbet {

namespace {

std::optional<std::int16_t> ReportedType(std::int16_t typeOfEvent) {
  switch (typeOfEvent) {
    case 1: return EVENTLOG_ERROR_TYPE;
    case 2: return EVENTLOG_WARNING_TYPE;
    case 3: return EVENTLOG_INFORMATION_TYPE;
    default: return std::nullopt;
  }
}

// The caller's text as it comes back from the ANSI code page. Text of plain
// ASCII comes back unchanged in every code page, so it is left alone.
void TakeRoundTrip(std::u16string& text, const platform::AnsiText& ansi) {
  if (!ansi.ascii) text = platform::FromAnsi(ansi.bytes);
}

// Whether ReportEventA can take the buffer as its insertion string. It reads
// the buffer up to the first zero byte and widens that from the ANSI code
// page; the count that matters is the widened one, which a multi-byte code
// page makes smaller than the byte count. Plain ASCII widens byte for byte.
// The insertion string is never longer than the whole message, so a message
// that fits is not searched for a zero byte at all.
bool FitsOneInsertionString(const platform::AnsiText& message) {
  if (message.bytes.size() <= platform::kLongestInsertionString) return true;
  const std::string_view insertion(message.bytes.c_str());
  if (insertion.size() <= platform::kLongestInsertionString) return true;
  if (message.ascii) return false;
  return platform::FromAnsi(insertion).size() <= platform::kLongestInsertionString;
}

}  // namespace

Scribbet::Scribbet() = default;
Scribbet::~Scribbet() = default;

std::int16_t Scribbet::WriteEvent(std::u16string& MessageString, std::int16_t& TypeOfEvent,
                                  std::u16string& YourAppName) {
  std::optional<std::u16string> messageBack;
  const std::int16_t result = WriteEvent(MessageString, messageBack, TypeOfEvent, YourAppName);
  if (messageBack) MessageString = std::move(*messageBack);
  return result;
}

std::int16_t Scribbet::WriteEvent(std::u16string_view MessageString,
                                  std::optional<std::u16string>& MessageBack,
                                  std::int16_t& TypeOfEvent, std::u16string& YourAppName) {
  // The message length and its terminator, counted once, before anything else.
  if (MessageString.size() >= static_cast<std::size_t>(INT32_MAX))
    platform::RaiseOverflow("the message is too long");
  const std::int32_t n = static_cast<std::int32_t>(MessageString.size()) + 1;

  if (YourAppName.empty()) YourAppName = kApplicationTitle;
  RegisterAppSource(YourAppName);

  const std::optional<std::int16_t> type = ReportedType(TypeOfEvent);
  if (!type) return 0;
  TypeOfEvent = *type;

  // One pass over each text converts it and tells whether it was plain
  // ASCII, which answers the round trip without another look at it.
  const platform::AnsiText source = platform::ToAnsiText(YourAppName);
  TakeRoundTrip(YourAppName, source);
  // The local computer is named by an empty server name, not a null one. The
  // handle is not tested: without one the report fails and the result is 0.
  platform::unique_event_source eventSource(
      platform::RegisterEventSourceA("", source.bytes.c_str()));

  // The converted message and its zero byte. In a single-byte code page that
  // is exactly n bytes; where the conversion changes the byte count the
  // buffer grows to hold it all, and never shrinks below n.
  const platform::AnsiText message = platform::ToAnsiText(MessageString);
  const std::size_t bufferSize = std::max<std::size_t>(n, message.bytes.size() + 1);
  if (bufferSize > static_cast<std::size_t>(UINT32_MAX))
    platform::RaiseOverflow("the converted message is too long");
  // Declared after the source, so the buffer is freed before the source is
  // released, on every path out of the call.
  platform::unique_hglobal buffer(platform::GlobalAlloc(GPTR, bufferSize));
  if (!buffer) {
    eventSource.close();
    return 0;
  }
  platform::RtlMoveMemory(buffer.get(), message.bytes.c_str(), message.bytes.size() + 1);
  if (!message.ascii) {
    std::u16string back = platform::FromAnsi(message.bytes);
    if (back != MessageString) MessageBack = std::move(back);
  }

  // A string the report cannot widen is refused by every Windows version,
  // and some ReportEventA implementations fail badly on it rather than
  // refuse: such a message is not handed over at all, and the result is 0.
  const bool fits = FitsOneInsertionString(message);
  LPCSTR strings[1] = {static_cast<LPCSTR>(buffer.get())};
  const BOOL reported =
      fits && platform::ReportEventA(eventSource.get(), static_cast<WORD>(*type), 0, kEventId,
                                     nullptr, 1, static_cast<DWORD>(bufferSize), strings,
                                     buffer.get());
  // Freed, then released, here rather than by the owners: a release function
  // that cannot be bound fails the call like any other service. The owners
  // still release what is left when the first of these fails.
  buffer.close();
  eventSource.close();
  return reported ? 1 : 0;
}

}  // namespace scribbet
