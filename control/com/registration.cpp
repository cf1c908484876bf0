// Self-registration: the type library and the two creatable classes.
#include "control/com/registration.h"

#include <olectl.h>

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "Scribbet_h.h"
#include "control/com/com_error.h"
#include "control/com/module.h"
#include "control/com/owners.h"
#include "control/registry_views.h"
#include "platform/handles.h"

namespace scribbet::com {

namespace {

std::string GuidText(REFGUID guid) {
  wchar_t text[40] = {};
  ::StringFromGUID2(guid, text, 40);
  return std::string(text, text + wcslen(text));
}

// Writes the key's value (its default value when name is null). Values are
// written wide: the module's path may hold letters the ANSI code page lacks.
// view may ask for the other registry view of a 64-bit system.
void SetText(const std::string& path, const wchar_t* name, std::wstring_view value,
             REGSAM view = 0) {
  platform::unique_hkey key;
  LONG status = platform::KeepIfOpened(
      key, platform::RegCreateKeyExA(HKEY_CLASSES_ROOT, path.c_str(), 0, nullptr, 0,
                                     KEY_SET_VALUE | view, nullptr, key.put(), nullptr));
  if (status != ERROR_SUCCESS) throw ComError(SELFREG_E_CLASS);
  const std::wstring terminated(value);
  status = platform::RegSetValueExW(key.get(), name, 0, REG_SZ,
                                    reinterpret_cast<const BYTE*>(terminated.c_str()),
                                    static_cast<DWORD>((terminated.size() + 1) * sizeof(wchar_t)));
  if (status != ERROR_SUCCESS) throw ComError(SELFREG_E_CLASS);
}

SYSKIND ThisSystem() { return sizeof(void*) == 8 ? SYS_WIN64 : SYS_WIN32; }
const char* SystemName() { return sizeof(void*) == 8 ? "win64" : "win32"; }

// The library's version key, as Automation writes it.
std::string TypeLibraryKey() {
  return "TypeLib\\" + GuidText(LIBID_ScribbetLib) + "\\" + typelib::kRegistryVersion;
}

// Whether the key exists; view adds KEY_WOW64_32KEY or KEY_WOW64_64KEY.
bool KeyExists(const std::string& path, REGSAM view = 0) {
  platform::unique_hkey key;
  return platform::KeepIfOpened(key, platform::RegOpenKeyExA(HKEY_CLASSES_ROOT, path.c_str(), 0,
                                                             KEY_QUERY_VALUE | view, key.put())) ==
         ERROR_SUCCESS;
}

std::string ClassKey(const ClassRecord& record) { return "CLSID\\" + GuidText(*record.clsid); }

// The keys the class's entries name, deepest first, so they can be deleted
// in order: each key after the first entry that names it, reversed.
std::vector<std::string> KeysOf(const ClassRecord& record) {
  std::vector<std::string> keys;
  for (const RegistryEntry& entry : record.entries)
    if (std::find(keys.begin(), keys.end(), entry.key) == keys.end()) keys.push_back(entry.key);
  std::reverse(keys.begin(), keys.end());
  return keys;
}

// What unregistering leaves for the control of the other bitness, asked
// once this control's keys of the class are gone.
Unregistration Decide(const ClassRecord& record) {
  return DecideUnregistration(sizeof(void*) == 8, [&](REGSAM view) {
    return KeyExists(ClassKey(record) + "\\InprocServer32", view);
  });
}

void Write(const RegistryEntry& entry, const std::wstring& modulePath, REGSAM view = 0) {
  std::wstring value = entry.modulePathFirst ? modulePath : std::wstring();
  value += entry.value;
  SetText(entry.key, entry.name, value, view);
}

void RegisterClass(const ClassRecord& record, const std::wstring& modulePath) {
  for (const RegistryEntry& entry : record.entries) Write(entry, modulePath);
}

// Deletes what the class recorded. A key that is already gone is no
// failure; one that cannot be deleted (another program added to it) is.
// Windows shares the ProgID's key between the two views of a 64-bit system
// (Wine keeps one in each): when the control of the other bitness is still
// registered, its ProgID is written again in its view, so it stays usable by
// name either way.
bool UnregisterClass(const ClassRecord& record) {
  bool complete = true;
  for (const std::string& key : KeysOf(record)) {
    const LONG status = platform::RegDeleteKeyA(HKEY_CLASSES_ROOT, key.c_str());
    complete &= status == ERROR_SUCCESS || status == ERROR_FILE_NOT_FOUND;
  }
  if (const auto view = Decide(record).progIdWrittenAgainIn) {
    for (const RegistryEntry& entry : record.entries)
      if (entry.progIdKey) Write(entry, ModulePath(), *view);
  }
  return complete;
}

}  // namespace

HRESULT RegisterServer() {
  const std::wstring path = ModulePath();
  ComPtr<ITypeLib> library;
  if (FAILED(::LoadTypeLibEx(path.c_str(), REGKIND_NONE, &library)) ||
      FAILED(::RegisterTypeLib(library.Get(), const_cast<LPOLESTR>(path.c_str()), nullptr)))
    return SELFREG_E_TYPELIB;
  for (const ClassRecord& record : kClasses) RegisterClass(record, path);
  return S_OK;
}

HRESULT UnregisterServer() {
  bool complete = true;
  for (const ClassRecord& record : kClasses) complete &= UnregisterClass(record);
  // A library that is not registered for this system any more is no failure.
  // Automation's own look-up would find the other bitness's entry instead,
  // so this system's entry is looked at directly.
  const std::string ownEntry = TypeLibraryKey() + "\\0\\" + SystemName();
  if (!KeyExists(ownEntry)) return complete ? S_OK : SELFREG_E_CLASS;
  if (!Decide(kClasses[0]).wholeTypeLibrary) {
    // The other bitness's control still uses the library: only this
    // system's file entry goes. Automation's undo would take the library's
    // interfaces from both registry views.
    const LONG status = platform::RegDeleteKeyA(HKEY_CLASSES_ROOT, ownEntry.c_str());
    if (status != ERROR_SUCCESS && status != ERROR_FILE_NOT_FOUND) return SELFREG_E_TYPELIB;
  } else if (FAILED(::UnRegisterTypeLib(LIBID_ScribbetLib, typelib::kMajorVersion,
                                        typelib::kMinorVersion, 0, ThisSystem()))) {
    return SELFREG_E_TYPELIB;
  }
  return complete ? S_OK : SELFREG_E_CLASS;
}

}  // namespace scribbet::com

extern "C" HRESULT STDAPICALLTYPE DllRegisterServer() {
  using namespace scribbet::com;
  const HRESULT hr = Boundary(IID_NULL, [] { return RegisterServer(); });
  // Nothing half-registered stays behind.
  if (FAILED(hr)) Boundary(IID_NULL, [] { return UnregisterServer(); });
  return hr;
}

extern "C" HRESULT STDAPICALLTYPE DllUnregisterServer() {
  using namespace scribbet::com;
  return Boundary(IID_NULL, [] { return UnregisterServer(); });
}
