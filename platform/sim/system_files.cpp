// The simulated machine's files: only those a test says are there, in the
// system directories of a 64-bit Windows, with the redirection a 32-bit
// process (SetWow64) meets.
#include "platform/system_files.h"

#include <cstring>

#include "platform/sim/state.h"
#include "platform/wide_text.h"

namespace platform {

// The variables a setup meets in a message file's name, "%SystemRoot%" and
// "%windir%", named in any case, as Windows takes a variable's name; any
// other stays as it stands.
DWORD ExpandEnvironmentStringsW(LPCWSTR source, LPWSTR destination, DWORD size) {
  auto m = sim::Lock();
  if (sim::Enter(m.machine, PLATFORM_ENTRY_POINT(kKernel32, ExpandEnvironmentStringsW))) return 0;
  const std::u16string text = source ? source : u"";
  std::u16string expanded;
  for (std::size_t at = 0; at < text.size();) {
    const auto open = text.find(u'%', at), close = text.find(u'%', open + 1);
    if (open == std::u16string::npos || close == std::u16string::npos) {
      expanded += text.substr(at);
      break;
    }
    const std::u16string name = sim::RegistryFolded(text.substr(open + 1, close - open - 1));
    expanded += text.substr(at, open - at);
    if (name == u"SYSTEMROOT" || name == u"WINDIR") {
      expanded += FromAscii(m->windowsDirectory);
      at = close + 1;
    } else {
      expanded += u'%';
      at = open + 1;
    }
  }
  const auto needed = static_cast<DWORD>(expanded.size() + 1);
  if (destination && size >= needed) std::memcpy(destination, expanded.c_str(), needed * sizeof(char16_t));
  return needed;
}

DWORD GetFileAttributesW(LPCWSTR fileName) {
  auto m = sim::Lock();
  if (sim::Enter(m.machine, PLATFORM_ENTRY_POINT(kKernel32, GetFileAttributesW))) return INVALID_FILE_ATTRIBUTES;
  std::u16string path = fileName ? fileName : u"";
  const std::u16string system32 = FromAscii(m->windowsDirectory) + u"\\System32\\";
  if (m->wow64 && !m->redirectionOff &&
      sim::RegistryFolded(path.substr(0, system32.size())) == sim::RegistryFolded(system32))
    path.replace(0, system32.size(), FromAscii(m->windowsDirectory) + u"\\SysWOW64\\");
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
