// What the COM tests share: the control's file, registration, a control made
// through COM, VARIANT helpers and the start of other programs.
#pragma once

#include <gtest/gtest.h>
#include <objbase.h>
#include <oleauto.h>

#include <string>

#include "Scribbet_h.h"
#include "control/com/owners.h"
#include "platform/handles.h"

namespace com_testing {

using scribbet::com::ComPtr;
using scribbet::com::unique_bstr;

// The built control, as a Windows path.
std::wstring OcxPath();
std::string OcxPathA();

// The control's module, loaded by the tests themselves so its entry points
// can be called directly.
HMODULE Module();
HRESULT CallExport(const char* name);
HRESULT CanUnloadNow();

ComPtr<_Scribbet> CreateControl();

unique_bstr Bstr(const wchar_t* text);
std::wstring Text(BSTR text);

// Runs a command line to its end; its standard output, and its exit code.
struct Finished {
  DWORD exitCode;
  std::string output;
};
Finished RunProgram(const std::wstring& commandLine, DWORD timeoutMs = 60000);
// The same for a command line in the ANSI code page.
Finished RunProgram(const std::string& commandLine, DWORD timeoutMs = 60000);

// A file in the temporary folder holding the text; removed at the end.
class TempFile {
 public:
  TempFile(const std::string& name, const std::string& text);
  ~TempFile();
  const std::string& path() const { return path_; }

 private:
  std::string path_;
};

// A key under HKEY_CLASSES_ROOT opened for reading; none when it cannot be.
platform::unique_hkey OpenClassesKey(const std::string& key);
// Reads a default or named value under HKEY_CLASSES_ROOT; empty when missing.
std::string ClassesValue(const std::string& key, const char* name = nullptr);
bool ClassesKeyExists(const std::string& key);
// The same value read wide, as it is stored, whatever the ANSI code page holds.
std::wstring ClassesValueW(const std::string& key, const wchar_t* name = nullptr);
std::string GuidText(REFGUID guid);
// The type library's version key under HKEY_CLASSES_ROOT.
std::string TypeLibraryKey();

}  // namespace com_testing
