#include "tests/wine/com/com_support.h"

#include <vector>

#include "Scribbet_facts.h"
#include "platform/handles.h"

namespace com_testing {

std::string OcxPathA() {
  std::string path = SCRIBBET_OCX_PATH;
  for (char& c : path)
    if (c == '/') c = '\\';
  return path;
}

std::wstring OcxPath() {
  const std::string path = OcxPathA();
  return std::wstring(path.begin(), path.end());
}

HMODULE Module() {
  static HMODULE module = ::LoadLibraryW(OcxPath().c_str());  // kept for the run
  return module;
}

HRESULT CallExport(const char* name) {
  auto entry = reinterpret_cast<HRESULT(STDAPICALLTYPE*)()>(
      reinterpret_cast<void (*)()>(::GetProcAddress(Module(), name)));
  return entry ? entry() : HRESULT_FROM_WIN32(ERROR_PROC_NOT_FOUND);
}

HRESULT CanUnloadNow() { return CallExport("DllCanUnloadNow"); }

ComPtr<_Scribbet> CreateControl() {
  ComPtr<_Scribbet> control;
  EXPECT_EQ(::CoCreateInstance(CLSID_Scribbet, nullptr, CLSCTX_INPROC_SERVER, IID__Scribbet,
                               reinterpret_cast<void**>(control.GetAddressOf())),
            S_OK);
  return control;
}

unique_bstr Bstr(const wchar_t* text) { return unique_bstr(::SysAllocString(text)); }

std::wstring Text(BSTR text) { return text ? std::wstring(text, ::SysStringLen(text)) : L""; }

static void CloseKernelHandle(HANDLE handle) { ::CloseHandle(handle); }
using unique_kernel_handle = platform::unique_handle<HANDLE, &CloseKernelHandle>;

Finished RunProgram(const std::wstring& commandLine, DWORD timeoutMs) {
  SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
  HANDLE readRaw = nullptr, writeRaw = nullptr;
  if (!::CreatePipe(&readRaw, &writeRaw, &inherit, 0)) return {~0u, "pipe failed"};
  unique_kernel_handle read(readRaw), write(writeRaw);
  ::SetHandleInformation(read.get(), HANDLE_FLAG_INHERIT, 0);
  STARTUPINFOW startup = {};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdOutput = write.get();
  startup.hStdError = write.get();
  startup.hStdInput = ::GetStdHandle(STD_INPUT_HANDLE);
  PROCESS_INFORMATION process = {};
  // Wine now and then cannot set up a new process at all ("failed to map the
  // shared user data"), before any of the program runs; one more try then
  // starts it, and a program that cannot start fails every try.
  bool created = false;
  for (int attempt = 0; attempt < 3 && !created; ++attempt) {
    std::wstring line = commandLine;
    created = ::CreateProcessW(nullptr, line.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr,
                               &startup, &process);
  }
  if (!created) return {~0u, "cannot start the program"};
  unique_kernel_handle processHandle(process.hProcess), thread(process.hThread);
  write.reset();
  Finished finished{~0u, ""};
  // The output is taken as it comes, so a program that writes much is never
  // held up by a full pipe; one that hangs is ended at the timeout and its
  // exit code stays ~0, so the hang fails a test instead of stopping the run.
  const DWORD started = ::GetTickCount();
  char buffer[4096];
  for (bool ended = false;;) {
    DWORD available = 0, got = 0;
    if (::PeekNamedPipe(read.get(), nullptr, 0, nullptr, &available, nullptr) && available) {
      const DWORD wanted = available < sizeof buffer ? available : DWORD{sizeof buffer};
      if (::ReadFile(read.get(), buffer, wanted, &got, nullptr)) finished.output.append(buffer, got);
      continue;
    }
    if (ended) break;
    if (::WaitForSingleObject(processHandle.get(), 20) == WAIT_OBJECT_0) {
      ::GetExitCodeProcess(processHandle.get(), &finished.exitCode);
      ended = true;  // what it wrote last is read once more
    } else if (::GetTickCount() - started > timeoutMs) {
      ::TerminateProcess(processHandle.get(), ~0u);
      ::WaitForSingleObject(processHandle.get(), 5000);
      finished.output += "(ended: no end within " + std::to_string(timeoutMs) + " ms)";
      break;
    }
  }
  return finished;
}

Finished RunProgram(const std::string& commandLine, DWORD timeoutMs) {
  const int length = ::MultiByteToWideChar(CP_ACP, 0, commandLine.c_str(), -1, nullptr, 0);
  std::wstring wide(length > 0 ? length : 1, L'\0');
  ::MultiByteToWideChar(CP_ACP, 0, commandLine.c_str(), -1, wide.data(), length);
  wide.resize(wcslen(wide.c_str()));
  Finished finished = RunProgram(wide, timeoutMs);
  if (finished.output == "cannot start the program") finished.output += ": " + commandLine;
  return finished;
}

TempFile::TempFile(const std::string& name, const std::string& text) {
  char folder[MAX_PATH] = {};
  ::GetTempPathA(MAX_PATH, folder);
  path_ = std::string(folder) + name;
  HANDLE file = ::CreateFileA(path_.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
  unique_kernel_handle owner(file == INVALID_HANDLE_VALUE ? nullptr : file);
  DWORD written = 0;
  if (owner) ::WriteFile(owner.get(), text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
}

TempFile::~TempFile() { ::DeleteFileA(path_.c_str()); }

platform::unique_hkey OpenClassesKey(const std::string& key) {
  platform::unique_hkey opened;
  platform::KeepIfOpened(opened,
                         ::RegOpenKeyExA(HKEY_CLASSES_ROOT, key.c_str(), 0, KEY_READ, opened.put()));
  return opened;
}

std::string ClassesValue(const std::string& key, const char* name) {
  char data[1024] = {};
  DWORD size = sizeof data - 1, type = 0;
  const auto opened = OpenClassesKey(key);
  return opened && !::RegQueryValueExA(opened.get(), name, nullptr, &type,
                                       reinterpret_cast<BYTE*>(data), &size) && type == REG_SZ
             ? data
             : "";
}

std::wstring ClassesValueW(const std::string& key, const wchar_t* name) {
  wchar_t data[1024] = {};
  DWORD size = sizeof data - sizeof(wchar_t), type = 0;
  const auto opened = OpenClassesKey(key);
  return opened && !::RegQueryValueExW(opened.get(), name, nullptr, &type,
                                       reinterpret_cast<BYTE*>(data), &size) && type == REG_SZ
             ? data
             : L"";
}

bool ClassesKeyExists(const std::string& key) { return bool(OpenClassesKey(key)); }

std::string GuidText(REFGUID guid) {
  wchar_t text[40] = {};
  ::StringFromGUID2(guid, text, 40);
  return std::string(text, text + wcslen(text));
}

std::string TypeLibraryKey() {
  return "TypeLib\\" + GuidText(LIBID_ScribbetLib) + "\\" + scribbet::typelib::kRegistryVersion;
}

namespace {

// Every test runs in a single-threaded apartment with the control registered.
class Environment : public ::testing::Environment {
  void SetUp() override {
    ASSERT_TRUE(SUCCEEDED(::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)));
    ASSERT_TRUE(Module()) << OcxPathA();
    ASSERT_EQ(CallExport("DllRegisterServer"), S_OK);
  }
  void TearDown() override { ::CoUninitialize(); }
};

const auto* const environment = ::testing::AddGlobalTestEnvironment(new Environment);

}  // namespace

}  // namespace com_testing
