// The simulated machine's files: only those a test says are there, in the
// system directories of a 64-bit Windows, with the redirection a 32-bit
// process (SetWow64) meets.
#include "platform/system_files.h"

#include <cstring>

#include "platform/sim/state.h"

namespace platform {

namespace {

std::u16string Wide(const std::string& ascii) { return {ascii.begin(), ascii.end()}; }

}  // namespace

DWORD ExpandEnvironmentStringsW(LPCWSTR source, LPWSTR destination, DWORD size) {
  auto m = sim::Lock();
  if (sim::Enter(m.machine, PLATFORM_ENTRY_POINT(kKernel32, ExpandEnvironmentStringsW))) return 0;
  std::u16string text = source ? source : u"";
  const std::u16string variable = u"%SystemRoot%";
  for (std::size_t at = 0; (at = text.find(variable, at)) != std::u16string::npos;) {
    const std::u16string root = Wide(m->windowsDirectory);
    text.replace(at, variable.size(), root);
    at += root.size();
  }
  const auto needed = static_cast<DWORD>(text.size() + 1);
  if (destination && size >= needed) std::memcpy(destination, text.c_str(), needed * sizeof(char16_t));
  return needed;
}

DWORD GetFileAttributesW(LPCWSTR fileName) {
  auto m = sim::Lock();
  if (sim::Enter(m.machine, PLATFORM_ENTRY_POINT(kKernel32, GetFileAttributesW))) return INVALID_FILE_ATTRIBUTES;
  std::u16string path = fileName ? fileName : u"";
  const std::u16string system32 = Wide(m->windowsDirectory) + u"\\System32\\";
  if (m->wow64 && !m->redirectionOff &&
      sim::RegistryFolded(path.substr(0, system32.size())) == sim::RegistryFolded(system32))
    path.replace(0, system32.size(), Wide(m->windowsDirectory) + u"\\SysWOW64\\");
  return m->files.count(path) ? FILE_ATTRIBUTE_NORMAL : INVALID_FILE_ATTRIBUTES;
}

BOOL Wow64DisableWow64FsRedirection(PVOID* oldValue) {
  auto m = sim::Lock();
  if (sim::Enter(m.machine, PLATFORM_ENTRY_POINT(kKernel32, Wow64DisableWow64FsRedirection))) return FALSE;
  if (!m->wow64) return FALSE;
  if (oldValue) *oldValue = reinterpret_cast<PVOID>(m->redirectionOff ? 1 : 0);
  m->redirectionOff = true;
  return TRUE;
}

BOOL Wow64RevertWow64FsRedirection(PVOID oldValue) {
  auto m = sim::Lock();
  if (sim::Enter(m.machine, PLATFORM_ENTRY_POINT(kKernel32, Wow64RevertWow64FsRedirection))) return FALSE;
  m->redirectionOff = oldValue != nullptr;
  return TRUE;
}

namespace sim {

void AddFile(const std::u16string& path) { Lock()->files.insert(path); }

}  // namespace sim

}  // namespace platform
