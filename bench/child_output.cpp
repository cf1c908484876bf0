#include "bench/child_output.h"

#include <stdexcept>

#include "platform/handles.h"

namespace bench {

using platform::unique_kernel_handle;

std::string OutputOf(std::wstring commandLine) {
  SECURITY_ATTRIBUTES inheritable = {sizeof inheritable, nullptr, TRUE};
  HANDLE readEnd = nullptr, writeEnd = nullptr;
  if (!::CreatePipe(&readEnd, &writeEnd, &inheritable, 0))
    throw std::runtime_error("CreatePipe failed");
  unique_kernel_handle reader(readEnd), writer(writeEnd);
  ::SetHandleInformation(reader.get(), HANDLE_FLAG_INHERIT, 0);

  STARTUPINFOW startup = {};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdInput = ::GetStdHandle(STD_INPUT_HANDLE);
  startup.hStdOutput = writer.get();
  startup.hStdError = ::GetStdHandle(STD_ERROR_HANDLE);
  PROCESS_INFORMATION started = {};
  if (!::CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr,
                        &startup, &started))
    throw std::runtime_error("the script host could not be started");
  unique_kernel_handle process(started.hProcess), thread(started.hThread);
  writer.reset();  // the child's copy is the only writer left: its end is our end of file

  std::string output;
  char chunk[4096];
  DWORD count = 0;
  while (::ReadFile(reader.get(), chunk, sizeof chunk, &count, nullptr) && count)
    output.append(chunk, count);
  ::WaitForSingleObject(process.get(), INFINITE);
  DWORD status = 1;
  ::GetExitCodeProcess(process.get(), &status);
  if (status != 0)
    throw std::runtime_error("the script host ended with status " + std::to_string(status));
  return output;
}

}  // namespace bench
