#include <initguid.h>  // defines the GUIDs the generated header declares, once

#include "bench/com_server.h"

#include <cstdio>
#include <stdexcept>
#include <string>

#include "platform/process.h"
#include "scribbet_names.h"

namespace bench {

namespace {

[[noreturn]] void Fail(const char* what, HRESULT hr) {
  char code[16];
  std::snprintf(code, sizeof code, "0x%08lx", static_cast<unsigned long>(hr));
  throw std::runtime_error(std::string(what) + " failed: " + code);
}

using EntryPoint = HRESULT(STDAPICALLTYPE*)();

HRESULT CallEntry(HMODULE module, const char* name) {
  const auto entry = reinterpret_cast<EntryPoint>(::GetProcAddress(module, name));
  if (!entry) return HRESULT_FROM_WIN32(ERROR_PROC_NOT_FOUND);
  return entry();
}

}  // namespace

Apartment::Apartment() {
  const HRESULT hr = ::CoInitialize(nullptr);
  if (FAILED(hr)) Fail("CoInitialize", hr);
}

Apartment::~Apartment() { ::CoUninitialize(); }

Registration::Registration(const std::wstring& path) : module_(::LoadLibraryW(path.c_str())) {
  if (!module_) Fail("loading the control", HRESULT_FROM_WIN32(::GetLastError()));
  const HRESULT hr = CallEntry(module_.get(), "DllRegisterServer");
  if (FAILED(hr)) Fail("DllRegisterServer", hr);
}

Registration::~Registration() { CallEntry(module_.get(), "DllUnregisterServer"); }

std::wstring ControlPath() {
  const std::u16string folder = platform::ProgramFolder();
  return std::wstring(folder.begin(), folder.end()) + L"\\..\\bin\\" SCRIBBET_CONTROL_FILE;
}

scribbet::com::ComPtr<_Scribbet> CreateControl() {
  scribbet::com::ComPtr<_Scribbet> control;
  const HRESULT hr = ::CoCreateInstance(CLSID_Scribbet, nullptr, CLSCTX_INPROC_SERVER,
                                        IID__Scribbet, &control);
  if (FAILED(hr)) Fail("CoCreateInstance(CLSID_Scribbet)", hr);
  return control;
}

}  // namespace bench
