// Scribbet Setup's helper for the event sources, built for the control's own
// target (a process of the control's bitness writes the registry view its
// control's sources belong to). Setup starts it as
//
//   RegisterSources check|register|repoint|takeback
//
// with Setup's own command line in the environment variable
// SCRIBBET_SETUP_COMMAND_LINE, from which it takes the list of /SOURCES=;
// the name of a file for its report in SCRIBBET_SOURCES_REPORT (UTF-16,
// one line of text after another); and that of a file in
// SCRIBBET_SOURCES_TAKE_BACK, where a run that changed the registry leaves
// what the keys held before, until Setup knows whether it has succeeded.
//  * "check", before Setup changes anything: reads the list and decides
//    what to do with each name. Reports the list as given (empty when there
//    is none), then one line for each name left alone and why. Exits
//    SCRIBBET_HELPER_REFUSED for a list refused, SCRIBBET_HELPER_UNWRITABLE
//    when a key to be written may not be written; the report then says why.
//  * "register": the same decision again, then the keys written, all of
//    them or none (SCRIBBET_HELPER_FAILED, the report saying which could
//    not be).
//  * "repoint", before the uninstaller removes this control: where the other
//    architecture's control stays installed, the sources that name this one
//    name that one afterwards, all or none (SCRIBBET_HELPER_FAILED when not).
//  * "takeback", when a later step of Setup failed: every key of the last
//    register or repoint back as it was (SCRIBBET_HELPER_FAILED, the report
//    naming those that could not be).
#include <string>
#include <vector>

#include "event_sources/event_sources.h"
#include "event_sources/source_key.h"
#include "installer/sources/source_list.h"
#include "installer/sources/sources_check.h"
#include "installer/sources/sources_option.h"
#include "platform/files.h"
#include "platform/handles.h"
#include "platform/whole_text.h"
#include "platform/wide_text.h"
#include "scribbet_names.h"

namespace {

using scribbet::setup::SourceListError;
using scribbet::sources::RegistrationOutcome;

std::u16string Environment(const char16_t* name) {
  const std::u16string variable(name);
  return platform::AskedText<char16_t>(256, [&](char16_t* buffer, DWORD size) {
           const DWORD answer = platform::GetEnvironmentVariableW(
               platform::WideArgument(variable), reinterpret_cast<LPWSTR>(buffer), size);
           return answer ? platform::NeededFrom(answer, size) : 1;  // not set: empty
         }).value_or(u"");
}

// The file the environment variable names, written anew with TEXT (UTF-16).
// Whether it was.
bool WriteText(const char16_t* variable, const std::u16string& text) {
  const std::u16string path = Environment(variable);
  if (path.empty()) return false;
  HANDLE file = platform::CreateFileW(platform::WideArgument(path), GENERIC_WRITE, 0, nullptr,
                                      CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  platform::unique_kernel_handle owner(file);
  const DWORD size = static_cast<DWORD>(text.size() * sizeof(char16_t));
  DWORD written = 0;
  return platform::WriteFile(file, text.data(), size, &written, nullptr) && written == size;
}

// The text of the file the environment variable names.
std::u16string ReadText(const char16_t* variable) {
  const std::u16string path = Environment(variable);
  HANDLE file = platform::CreateFileW(platform::WideArgument(path), GENERIC_READ, FILE_SHARE_READ,
                                      nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) throw std::runtime_error("the take-back file cannot be read");
  platform::unique_kernel_handle owner(file);
  std::u16string text;
  char16_t buffer[4096];
  for (DWORD read = 0; platform::ReadFile(file, buffer, sizeof buffer, &read, nullptr) && read;)
    text.append(buffer, read / sizeof(char16_t));
  return text;
}

void WriteReport(const std::vector<std::u16string>& lines) {
  std::u16string text;
  for (std::size_t i = 0; i < lines.size(); ++i) text += (i ? u"\r\n" : u"") + lines[i];
  WriteText(u"SCRIBBET_SOURCES_REPORT", text);
}

std::u16string Quoted(const std::vector<std::u16string>& names) {
  std::u16string text;
  for (std::size_t i = 0; i < names.size(); ++i) text += (i ? u", \"" : u"\"") + names[i] + u"\"";
  return text;
}

// The lines of a run that failed at one source: WHAT could not be done.
std::vector<std::u16string> FailureReport(const RegistrationOutcome& outcome,
                                          const std::u16string& what) {
  std::u16string line = u"The event source \"" + *outcome.failed + u"\" could not be " + what + u".";
  if (!outcome.notTakenBack.empty())
    line += u" These sources, changed before it, could not be taken back: " +
            Quoted(outcome.notTakenBack) + u".";
  return {line};
}

// A run that changed the registry: what it changed is kept for a take-back
// before Setup goes on; without it Setup could not undo the run, which is
// then taken back at once.
int Succeeded(const RegistrationOutcome& outcome, std::vector<std::u16string> report) {
  if (WriteText(u"SCRIBBET_SOURCES_TAKE_BACK", outcome.takeBack)) {
    WriteReport(report);
    return 0;
  }
  const auto notTakenBack = scribbet::sources::TakeBack(outcome.takeBack);
  std::u16string line = u"The event sources could not be registered: Setup's folder for their record "
                        u"cannot be written.";
  if (!notTakenBack.empty())
    line += u" These sources could not be taken back: " + Quoted(notTakenBack) + u".";
  WriteReport({line});
  return SCRIBBET_HELPER_FAILED;
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
  const auto check = scribbet::setup::CheckSources(list, scribbet::EventMessageFile());
  if (!check.unwritable.empty()) {
    WriteReport(UnwritableLines(check));
    return SCRIBBET_HELPER_UNWRITABLE;
  }
  std::vector<std::u16string> lines = LeftAloneLines(check.plan);
  lines.insert(lines.begin(), list);
  WriteReport(lines);
  return 0;
}

int Register(const std::u16string& list) {
  const auto run = scribbet::setup::RegisterSources(list, scribbet::EventMessageFile());
  if (!run.check.unwritable.empty()) {
    WriteReport(UnwritableLines(run.check));
    return SCRIBBET_HELPER_FAILED;
  }
  if (run.outcome.failed) {
    WriteReport(FailureReport(
        run.outcome, u"registered under HKEY_LOCAL_MACHINE\\" + std::u16string(scribbet::kSourceKeyPrefix)));
    return SCRIBBET_HELPER_FAILED;
  }
  return Succeeded(run.outcome, LeftAloneLines(run.check.plan));
}

int Repoint() {
  const RegistrationOutcome outcome = scribbet::sources::GiveSourcesToOtherControl();
  if (outcome.failed) {
    WriteReport(FailureReport(outcome, u"given to the other Scribbet control on this computer"));
    return SCRIBBET_HELPER_FAILED;
  }
  return Succeeded(outcome, {});
}

int TakeBack() {
  const auto notTakenBack = scribbet::sources::TakeBack(ReadText(u"SCRIBBET_SOURCES_TAKE_BACK"));
  if (notTakenBack.empty()) {
    WriteReport({});
    return 0;
  }
  WriteReport({u"These event sources could not be put back as they were: " + Quoted(notTakenBack) + u"."});
  return SCRIBBET_HELPER_FAILED;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string mode = argc == 2 ? argv[1] : "";
  try {
    if (mode == "repoint") return Repoint();
    if (mode == "takeback") return TakeBack();
    if (mode != "check" && mode != "register") return SCRIBBET_HELPER_FAILED;
    const std::u16string list =
        scribbet::setup::SourcesOption(Environment(u"SCRIBBET_SETUP_COMMAND_LINE")).value_or(u"");
    return mode == "check" ? Check(list) : Register(list);
  } catch (const SourceListError& error) {
    WriteReport({error.message()});
    return SCRIBBET_HELPER_REFUSED;
  } catch (...) {
    WriteReport({u"The event sources could not be registered: an unexpected error."});
    return SCRIBBET_HELPER_FAILED;
  }
}
