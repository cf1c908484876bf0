// Scribbet: the control's logic. WriteEvent writes one entry into the
// Application event log under a source name it registers on first use. The
// COM object wraps this class; everything here is plain C++.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "control/Reghack.h"
#include "control/clsSupport.h"
#include "event_sources/source_key.h"
#include "scribbet_names.h"

namespace scribbet {

// The application title: the default event-source name.
inline constexpr char16_t kApplicationTitle[] = u"" SCRIBBET_PRODUCT;

// The event identifier of every entry: message 1 of the control's table.
inline constexpr DWORD kEventId = 1;

// The warning a new instance shows on any system but Windows NT 4.x.
inline constexpr char16_t kWrongOsText[] =
    u"Scribbet is only designed for Windows NT 4.0 Server or Workstation applications!";
inline constexpr char16_t kWrongOsTitle[] = u"Wrong OS Detected";
inline constexpr UINT kWrongOsStyle = 16;  // an OK button and the critical-stop icon

class Scribbet {
 public:
  Scribbet();
  ~Scribbet();
  Scribbet(const Scribbet&) = delete;
  Scribbet& operator=(const Scribbet&) = delete;

  // Writes one entry. TypeOfEvent 1, 2 or 3 gives an error, warning or
  // information entry and comes back as the type reported (1, 2 or 4); any
  // other value reports nothing and returns 0. An empty YourAppName is
  // replaced by the application title. The texts come back as they travel
  // through the ANSI code page. Returns 1 when the log accepted the entry,
  // else 0. Run-time errors (a function that cannot be bound, a message too
  // long to count) propagate as exceptions.
  std::int16_t WriteEvent(std::u16string& MessageString, std::int16_t& TypeOfEvent,
                          std::u16string& YourAppName);

  // The same for a message the caller keeps (a long one need not be copied):
  // when the message comes back changed from the ANSI code page, MessageBack
  // receives the changed text; otherwise it is left as it was.
  std::int16_t WriteEvent(std::u16string_view MessageString,
                          std::optional<std::u16string>& MessageBack, std::int16_t& TypeOfEvent,
                          std::u16string& YourAppName);

  // Runs when an instance is created: classifies the system and, unless it
  // is Windows NT 4.x, shows the modal warning box and waits for the user;
  // on a window station nobody sees (a service's) there is nobody to wait
  // for, and the box is not shown.
  void UserControl_Initialize();

 private:
  void RegisterAppSource(const std::u16string& name) noexcept;
  Reghack& Registry();

  std::unique_ptr<Reghack> reghack_;
  std::unique_ptr<clsSupport> support_;
};

}  // namespace scribbet
