// Scribbet Setup's helper for the event sources named with /SOURCES=. Setup
// is a 32-bit program, and the 64-bit control's sources must be registered
// as a 64-bit process registers them; so Setup brings this program built
// for the control's own target and starts it:
//
//   RegisterSources check|register
//
// with Setup's own command line in the environment variable
// SCRIBBET_SETUP_COMMAND_LINE, from which it takes the list of /SOURCES=,
// and the name of a file for its report in SCRIBBET_SOURCES_REPORT. "check"
// only reads the list, and reports it as given (empty when there is none),
// for Setup to show; "register" registers each source as the control's first
// WriteEvent would, all of them or none of those it wrote. Exit status 0 when
// all is done, 1 for a list refused, 2 for a source that could not be
// registered; the report (UTF-16, one line) then says which and why.
#include <cstring>
#include <string>

#include "control/RegisterAppSource.h"
#include "installer/sources/source_list.h"
#include "installer/sources/source_registration.h"
#include "installer/sources/sources_option.h"
#include "installer/sources/sources_to_register.h"
#include "platform/files.h"
#include "platform/handles.h"

namespace {

using scribbet::setup::ParseSourceList;
using scribbet::setup::SourceListError;

constexpr int kRefused = 1;
constexpr int kFailed = 2;

std::u16string Environment(const wchar_t* name) {
  std::u16string value(256, u'\0');
  DWORD length = platform::GetEnvironmentVariableW(
      name, reinterpret_cast<wchar_t*>(value.data()), static_cast<DWORD>(value.size()));
  if (length >= value.size()) {
    value.assign(length, u'\0');
    length = platform::GetEnvironmentVariableW(
        name, reinterpret_cast<wchar_t*>(value.data()), static_cast<DWORD>(value.size()));
    if (length >= value.size()) length = 0;
  }
  value.resize(length);
  return value;
}

void WriteReport(const std::u16string& text) {
  const std::u16string path = Environment(L"SCRIBBET_SOURCES_REPORT");
  if (path.empty()) return;
  HANDLE file = platform::CreateFileW(reinterpret_cast<const wchar_t*>(path.c_str()), GENERIC_WRITE,
                                      0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return;
  platform::unique_kernel_handle owner(file);
  DWORD written = 0;
  platform::WriteFile(file, text.data(), static_cast<DWORD>(text.size() * sizeof(char16_t)),
                      &written, nullptr);
}

int Register(const std::vector<std::u16string>& names) {
  scribbet::Reghack registry;
  const auto outcome = scribbet::setup::RegisterSources(registry, names);
  if (!outcome.failed) return 0;
  std::u16string report = u"The event source \"" + *outcome.failed +
                          u"\" could not be registered under HKEY_LOCAL_MACHINE\\" +
                          scribbet::kSourceKeyPrefix + u".";
  if (!outcome.notTakenBack.empty()) {
    report += u" These sources, registered before it, could not be taken back:";
    for (std::size_t i = 0; i < outcome.notTakenBack.size(); ++i)
      report += (i ? u", \"" : u" \"") + outcome.notTakenBack[i] + u"\"";
    report += u".";
  }
  WriteReport(report);
  return kFailed;
}

}  // namespace

int main(int argc, char** argv) {
  const bool registering = argc == 2 && std::strcmp(argv[1], "register") == 0;
  if (!registering && !(argc == 2 && std::strcmp(argv[1], "check") == 0)) return kFailed;
  try {
    const std::u16string list =
        scribbet::setup::SourcesOption(Environment(L"SCRIBBET_SETUP_COMMAND_LINE")).value_or(u"");
    const auto names = ParseSourceList(list);
    if (registering) return Register(scribbet::setup::SourcesToRegister(names).toRegister);
    WriteReport(list);
    return 0;
  } catch (const SourceListError& error) {
    WriteReport(error.message());
    return kRefused;
  } catch (...) {
    WriteReport(u"The list of event sources could not be read.");
    return kFailed;
  }
}
