// Starting a command line, finding the program's folder and what kind of
// process this is, built on the bound kernel32 functions, the same for the
// real and the simulated machine.
#include <string>

#include "platform/ansi.h"
#include "platform/errors.h"
#include "platform/handles.h"
#include "platform/whole_text.h"

namespace platform {

void Shell(std::u16string_view commandLine, WORD showMode) {
  // CreateProcessA may write into the command line, so it gets its own copy.
  std::string line = ToAnsi(commandLine);
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = showMode;
  PROCESS_INFORMATION started{};
  if (!platform::CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                                &startup, &started))
    throw RuntimeError(ErrorNumber::FileNotFound, "File not found: cannot start " + line);
  // The started program runs on by itself; its handles are of no use here.
  unique_kernel_handle process(started.hProcess);
  unique_kernel_handle thread(started.hThread);
}

std::u16string ProgramFolder() {
  const std::optional<std::string> file = ReadWholeText<char>([](char* buffer, DWORD size) {
    return platform::GetModuleFileNameA(nullptr, buffer, size);
  });
  if (!file)
    throw RuntimeError(ErrorNumber::FileNotFound, "The program's own file name is not known");
  // Cut in wide text: in a double-byte code page a trail byte can be 0x5C.
  const std::u16string path = FromAnsi(*file);
  const auto separator = path.rfind(u'\\');
  if (separator == std::u16string::npos) return {};
  std::u16string folder = path.substr(0, separator);
  const bool driveRoot = folder.size() == 2 && folder[1] == u':';
  if (driveRoot) folder += u'\\';
  return folder;
}

bool RunsUnderWow64() {
  try {
    BOOL wow64 = FALSE;
    return platform::IsWow64Process(platform::GetCurrentProcess(), &wow64) && wow64;
  } catch (const BindingError& error) {
    // Windows before XP SP2 has no such entry point, and no 64-bit kind.
    if (error.number() == ErrorNumber::EntryPointNotFound) return false;
    throw;
  }
}

}  // namespace platform
