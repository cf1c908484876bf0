// The module's entry points and its shared state.
#include <initguid.h>  // defines the GUIDs declared in the generated header, once

#include "control/com/module.h"

#include <atomic>
#include <mutex>
#include <optional>

#include "Scribbet_h.h"
#include "control/com/AboutPropertyPage.h"
#include "control/com/ScribbetControl.h"
#include "control/com/class_factory.h"
#include "control/com/owners.h"
#include "platform/whole_text.h"

namespace scribbet::com {

namespace {

HINSTANCE moduleInstance = nullptr;
std::atomic<long> liveObjects{0};
std::atomic<long> serverLocks{0};

std::once_flag typeLibraryLoaded;
ITypeLib* typeLibrary = nullptr;  // kept until the process ends

}  // namespace

HINSTANCE ModuleInstance() { return moduleInstance; }

std::wstring ModulePath() {
  // Wide, never through the ANSI code page: a folder named in another
  // language's letters would come back as question marks.
  std::optional<std::wstring> path =
      platform::ReadWholeText<wchar_t>([](wchar_t* buffer, DWORD size) {
        return ::GetModuleFileNameW(moduleInstance, buffer, size);
      });
  if (!path) throw ComError(HRESULT_FROM_WIN32(::GetLastError()));
  return std::move(*path);
}

void AddObject() noexcept { ++liveObjects; }
void ReleaseObject() noexcept { --liveObjects; }
void Lock() noexcept { ++serverLocks; }
void Unlock() noexcept { --serverLocks; }
bool InUse() noexcept { return liveObjects > 0 || serverLocks > 0; }

ITypeLib* TypeLibrary() {
  std::call_once(typeLibraryLoaded, [] {
    ThrowIfFailed(::LoadTypeLibEx(ModulePath().c_str(), REGKIND_NONE, &typeLibrary));
  });
  if (!typeLibrary) throw ComError(TYPE_E_CANTLOADLIBRARY);
  return typeLibrary;
}

ITypeInfo* TypeInfoOf(REFGUID guid) {
  ITypeInfo* info = nullptr;
  ThrowIfFailed(TypeLibrary()->GetTypeInfoOfGuid(guid, &info));
  return info;
}

unique_bstr MakeBstr(const std::u16string& text) {
  unique_bstr bstr(::SysAllocStringLen(reinterpret_cast<const OLECHAR*>(text.data()),
                                       static_cast<UINT>(text.size())));
  if (!bstr) throw std::bad_alloc();
  return bstr;
}

std::u16string_view ViewOf(BSTR text) {
  if (!text) return {};
  return std::u16string_view(reinterpret_cast<const char16_t*>(text), ::SysStringLen(text));
}

}  // namespace scribbet::com

using namespace scribbet::com;

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
  if (reason == DLL_PROCESS_ATTACH) {
    moduleInstance = instance;
    ::DisableThreadLibraryCalls(instance);
  }
  return TRUE;
}

extern "C" HRESULT STDAPICALLTYPE DllCanUnloadNow() { return InUse() ? S_FALSE : S_OK; }

extern "C" HRESULT STDAPICALLTYPE DllGetClassObject(REFCLSID clsid, REFIID iid, void** out) {
  if (!out) return E_POINTER;
  *out = nullptr;
  return Boundary(IID_IClassFactory, [&] {
    if (clsid == CLSID_Scribbet) return CreateAndQuery<ClassFactory<ScribbetControl>>(iid, out);
    if (clsid == CLSID_AboutProperty)
      return CreateAndQuery<ClassFactory<AboutPropertyPage>>(iid, out);
    return CLASS_E_CLASSNOTAVAILABLE;
  });
}
