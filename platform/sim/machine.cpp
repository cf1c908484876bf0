#include <cctype>
#include <clocale>
#include <cstring>
#include <cwctype>

#include "platform/errors.h"
#include "platform/sim/state.h"

namespace platform::sim {

bool NoCaseLess::operator()(const std::string& a, const std::string& b) const {
  const std::size_t n = a.size() < b.size() ? a.size() : b.size();
  for (std::size_t i = 0; i < n; ++i) {
    const int ca = std::tolower(static_cast<unsigned char>(a[i]));
    const int cb = std::tolower(static_cast<unsigned char>(b[i]));
    if (ca != cb) return ca < cb;
  }
  return a.size() < b.size();
}

char16_t RegistryUpcase(char16_t c) {
  if (c < 0x80) return c >= u'a' && c <= u'z' ? static_cast<char16_t>(c - 0x20) : c;
  // Unicode's case table, whatever locale the process runs in. A code unit
  // whose capital lies outside the basic plane, or a surrogate, stays.
  static const locale_t unicode = newlocale(LC_CTYPE_MASK, "C.UTF-8", nullptr);
  if (!unicode || (c >= 0xD800 && c <= 0xDFFF)) return c;
  const wint_t upper = towupper_l(static_cast<wint_t>(c), unicode);
  return upper <= 0xFFFF ? static_cast<char16_t>(upper) : c;
}

bool RegistryNameLess::operator()(const std::u16string& a, const std::u16string& b) const {
  const std::size_t n = a.size() < b.size() ? a.size() : b.size();
  for (std::size_t i = 0; i < n; ++i) {
    const char16_t ca = RegistryUpcase(a[i]);
    const char16_t cb = RegistryUpcase(b[i]);
    if (ca != cb) return ca < cb;
  }
  return a.size() < b.size();
}

Machine::Machine() {
  for (LONG root : {LONG(0x80000000), LONG(0x80000001), LONG(0x80000002), LONG(0x80000003)}) {
    auto key = std::make_shared<RegKey>();
    key->underLocalMachine = root == LONG(0x80000002);
    roots[static_cast<ULONG_PTR>(root)] = key;
  }
  version.dwOSVersionInfoSize = sizeof version;
  version.dwMajorVersion = 4;
  version.dwMinorVersion = 0;
  version.dwBuildNumber = 1381;
  version.dwPlatformId = VER_PLATFORM_WIN32_NT;
  std::strcpy(version.szCSDVersion, "Service Pack 6");
  windowsDirectory = "C:\\WINNT";
  systemDirectory = "C:\\WINNT\\System32";
}

static std::mutex machineMutex;
static Machine* machine = new Machine();  // lives as long as the process

Locked Lock() { return Locked{std::unique_lock<std::mutex>(machineMutex), *machine}; }

namespace {

// The functions that give a handle back, which a fault of any call spares:
// the system's own hardly ever fail, and a handle kept open is not what a
// fault of the call before it models.
bool Releases(EntryPoint entryPoint) {
  for (const char* release : {"RegCloseKey", "CloseHandle", "GlobalFree", "DeregisterEventSource"})
    if (std::strcmp(entryPoint.name, release) == 0) return true;
  return false;
}

}  // namespace

DWORD Enter(Machine& m, EntryPoint entryPoint) {
  m.calls.emplace_back(entryPoint.name);
  if (m.removedEntryPoints.count({entryPoint.library, entryPoint.name}))
    throw BindingError(ErrorNumber::EntryPointNotFound, entryPoint.library, entryPoint.name);
  DWORD once = 0;
  for (auto failure = m.failingOnce.begin(); failure != m.failingOnce.end();) {
    const bool counts = failure->first == entryPoint.name || (failure->first == "*" && !Releases(entryPoint));
    if (counts && failure->second.callsBefore-- == 0) {
      if (!once) once = failure->second.status;
      failure = m.failingOnce.erase(failure);
    } else {
      ++failure;
    }
  }
  if (once) {
    m.lastError = once;
    return once;
  }
  const auto failing = m.failingFunctions.find(entryPoint.name);
  if (failing == m.failingFunctions.end()) return 0;
  m.lastError = failing->second;
  return failing->second;
}

REGSAM RightsAt(const Machine& m, const std::u16string& path) {
  // The nearest rule at or above the key.
  std::u16string at = path;
  for (;;) {
    if (auto rule = m.keyRights.find(at); rule != m.keyRights.end()) return rule->second;
    if (at.empty()) return kEveryRight;
    const auto cut = at.rfind(u'\\');
    at.resize(cut == std::u16string::npos ? 0 : cut);
  }
}

bool TakeRegistryWrite(Machine& m) {
  if (m.registryWritesLeft == 0) return false;
  if (m.registryWritesLeft > 0) --m.registryWritesLeft;
  return true;
}

void Reset() {
  auto m = Lock();
  for (void* buffer : m->globalBuffers) std::free(buffer);
  m.machine = Machine();
}

void ForgetRecords() {
  auto m = Lock();
  m->reports.clear();
  m->reports.shrink_to_fit();
  m->sourceOpens.clear();
  m->sourceOpens.shrink_to_fit();
  m->calls.clear();
  m->calls.shrink_to_fit();
}

void FailFunction(const std::string& function, DWORD status) {
  if (status == 0) return HealFunction(function);
  Lock()->failingFunctions[function] = status;
}
void HealFunction(const std::string& function) { Lock()->failingFunctions.erase(function); }
void FailOneCall(const std::string& function, int callsBefore, DWORD status) {
  Lock()->failingOnce.push_back({function, {callsBefore, status}});
}
std::size_t OneCallFailuresPending() { return Lock()->failingOnce.size(); }
DWORD LastError() { return Lock()->lastError; }
void SetLastError(DWORD status) { Lock()->lastError = status; }

void RemoveEntryPoint(EntryPoint entryPoint) {
  Lock()->removedEntryPoints.insert({entryPoint.library, entryPoint.name});
}

void RestoreEntryPoints() { Lock()->removedEntryPoints.clear(); }
void LimitRegistryWrites(int writesLeft) { Lock()->registryWritesLeft = writesLeft; }

void SetAnsiCodePage(UINT codePage) { Lock()->codePage = codePage; }

void SetVersion(DWORD major, DWORD minor, DWORD build, DWORD platformId) {
  auto m = Lock();
  m->version.dwMajorVersion = major;
  m->version.dwMinorVersion = minor;
  m->version.dwBuildNumber = build;
  m->version.dwPlatformId = platformId;
}

void SetWindowsDirectory(const std::string& directory) { Lock()->windowsDirectory = directory; }
void SetSystemDirectory(const std::string& directory) { Lock()->systemDirectory = directory; }

std::vector<Report> Reports() { return Lock()->reports; }
std::vector<SourceOpen> SourceOpens() { return Lock()->sourceOpens; }
std::vector<std::string> Calls() { return Lock()->calls; }
std::vector<MessageBox> MessageBoxes() { return Lock()->messageBoxes; }
void SetMessageBoxAnswer(int answer) { Lock()->messageBoxAnswer = answer; }
void SetWindowStationVisible(bool visible) { Lock()->windowStationVisible = visible; }

SIZE_T LastGlobalAllocSize() { return Lock()->lastGlobalAllocSize; }

OpenHandles CountOpenHandles() {
  auto m = Lock();
  return OpenHandles{static_cast<int>(m->openKeys.size()),
                     static_cast<int>(m->eventSources.size()),
                     static_cast<int>(m->globalBuffers.size())};
}

}  // namespace platform::sim
