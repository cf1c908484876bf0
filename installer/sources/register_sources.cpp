// Scribbet Setup's helper for the event sources named with /SOURCES=. Setup
// is a 32-bit program, and the 64-bit control's sources must be registered
// as a 64-bit process registers them; so Setup brings this program built
// for the control's own target and starts it:
//
//   RegisterSources check|register|repoint
//
// with Setup's own command line in the environment variable
// SCRIBBET_SETUP_COMMAND_LINE, from which it takes the list of /SOURCES=,
// and the name of a file for its report in SCRIBBET_SOURCES_REPORT (UTF-16,
// one line of text after another).
//  * "check", before Setup changes anything: reads the list and decides
//    what to do with each name. Reports the list as given (empty when there
//    is none), then one line for each name left alone and why. Exit status 1
//    for a list refused, 3 when a key to be written may not be written; the
//    report then says why.
//  * "register": the same decision again, then the keys written, all of
//    them or none (exit status 2, the report saying which could not be).
//  * "repoint", before the uninstaller removes this control: where the other
//    architecture's control stays installed, the sources that name this one
//    name that one afterwards, all or none (exit status 2 when not).
#include <cstring>
#include <string>
#include <vector>

#include "event_sources/repointing.h"
#include "event_sources/source_key.h"
#include "installer/sources/source_list.h"
#include "installer/sources/sources_check.h"
#include "installer/sources/sources_option.h"
#include "platform/files.h"
#include "platform/handles.h"
#include "platform/wide_text.h"

namespace {

using scribbet::setup::SourceListError;
using scribbet::sources::RegistrationOutcome;

constexpr int kRefused = 1;
constexpr int kFailed = 2;
constexpr int kUnwritable = 3;

const std::u16string kRegistered =
    u"registered under HKEY_LOCAL_MACHINE\\" + std::u16string(scribbet::kSourceKeyPrefix);

std::u16string Environment(const char16_t* name) {
  const std::u16string variable(name);
  std::u16string value(256, u'\0');
  DWORD length = platform::GetEnvironmentVariableW(platform::WideArgument(variable),
                                                   platform::WideBuffer(value),
                                                   static_cast<DWORD>(value.size()));
  if (length >= value.size()) {
    value.assign(length, u'\0');
    length = platform::GetEnvironmentVariableW(platform::WideArgument(variable),
                                               platform::WideBuffer(value),
                                               static_cast<DWORD>(value.size()));
    if (length >= value.size()) length = 0;
  }
  value.resize(length);
  return value;
}

void WriteReport(const std::vector<std::u16string>& lines) {
  const std::u16string path = Environment(u"SCRIBBET_SOURCES_REPORT");
  if (path.empty()) return;
  std::u16string text;
  for (std::size_t i = 0; i < lines.size(); ++i) text += (i ? u"\r\n" : u"") + lines[i];
  HANDLE file = platform::CreateFileW(platform::WideArgument(path), GENERIC_WRITE, 0, nullptr,
                                      CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return;
  platform::unique_kernel_handle owner(file);
  DWORD written = 0;
  platform::WriteFile(file, text.data(), static_cast<DWORD>(text.size() * sizeof(char16_t)),
                      &written, nullptr);
}

// The lines of a run that failed at one source: WHAT could not be done.
std::vector<std::u16string> FailureReport(const RegistrationOutcome& outcome,
                                          const std::u16string& what) {
  std::u16string line = u"The event source \"" + *outcome.failed + u"\" could not be " + what + u".";
  if (!outcome.notTakenBack.empty()) {
    line += u" These sources, changed before it, could not be taken back:";
    for (std::size_t i = 0; i < outcome.notTakenBack.size(); ++i)
      line += (i ? u", \"" : u" \"") + outcome.notTakenBack[i] + u"\"";
    line += u".";
  }
  return {line};
}

std::vector<std::u16string> LeftAloneLines(const scribbet::sources::SourcePlan& plan) {
  std::vector<std::u16string> lines;
  for (const auto& [name, lookup] : plan.leftAlone)
    lines.push_back(scribbet::sources::LeftAloneText(name, lookup));
  return lines;
}

std::vector<std::u16string> UnwritableLines(const scribbet::setup::SourcesCheck& check) {
  std::vector<std::u16string> lines;
  for (const auto& name : check.unwritable) lines.push_back(scribbet::setup::UnwritableText(name));
  return lines;
}

int Check(const std::u16string& list) {
  const auto check = scribbet::setup::CheckSources(list);
  if (!check.unwritable.empty()) {
    WriteReport(UnwritableLines(check));
    return kUnwritable;
  }
  std::vector<std::u16string> lines = LeftAloneLines(check.plan);
  lines.insert(lines.begin(), list);
  WriteReport(lines);
  return 0;
}

int Register(const std::u16string& list) {
  const auto run = scribbet::setup::RegisterSources(
      list, scribbet::EventMessageFileFor(platform::RunsUnderWow64()));
  if (!run.check.unwritable.empty()) {
    WriteReport(UnwritableLines(run.check));
    return kFailed;
  }
  WriteReport(run.outcome.failed ? FailureReport(run.outcome, kRegistered)
                                 : LeftAloneLines(run.check.plan));
  return run.outcome.failed ? kFailed : 0;
}

int Repoint() {
  const RegistrationOutcome outcome = scribbet::sources::GiveSourcesToOtherControl();
  if (outcome.failed) {
    WriteReport(FailureReport(outcome, u"given to the other Scribbet control on this computer"));
    return kFailed;
  }
  WriteReport({});
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string mode = argc == 2 ? argv[1] : "";
  try {
    if (mode == "repoint") return Repoint();
    if (mode != "check" && mode != "register") return kFailed;
    const std::u16string list =
        scribbet::setup::SourcesOption(Environment(u"SCRIBBET_SETUP_COMMAND_LINE")).value_or(u"");
    return mode == "check" ? Check(list) : Register(list);
  } catch (const SourceListError& error) {
    WriteReport({error.message()});
    return kRefused;
  } catch (...) {
    WriteReport({u"The event sources could not be registered: an unexpected error."});
    return kFailed;
  }
}
