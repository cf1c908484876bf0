// The control in a folder whose name holds letters beyond ASCII: regsvr32
// registers it from there, the registry names the real file, and a script
// host calls it by name. Run under several ANSI code pages, some of which
// cannot spell every folder's name.
#include "tests/wine/com/com_support.h"

#include <cstdlib>
#include <cwchar>

#include "registration_ids.h"
#include "tests/support/event_trace.h"
#include "tests/support/machine.h"
#include "tests/wine/com/script_runner.h"
#include "scribbet_names.h"

using namespace com_testing;

namespace {

// Folder names from three writing systems: Latin with accents, Cyrillic,
// Japanese.
const wchar_t* const kFolders[] = {
    L"Soci\u00e9t\u00e9",
    L"\u0416\u0443\u0440\u043d\u0430\u043b \u0441\u043e\u0431\u044b\u0442\u0438\u0439",
    L"\u65e5\u672c\u8a9e\u306e\u30d5\u30a9\u30eb\u30c0",
};

bool SamePath(const std::wstring& registered, const std::wstring& real) {
  return _wcsicmp(registered.c_str(), real.c_str()) == 0;
}

// A copy of the built control in a folder of the given name, removed again.
class ControlCopy {
 public:
  explicit ControlCopy(const wchar_t* folderName) {
    wchar_t temp[MAX_PATH] = {};
    ::GetTempPathW(MAX_PATH, temp);
    folder_ = std::wstring(temp) + folderName;
    file_ = folder_ + L"\\" SCRIBBET_CONTROL_FILE;
    ::CreateDirectoryW(folder_.c_str(), nullptr);  // may be left from a run that was stopped
    copied_ = ::CopyFileW(OcxPath().c_str(), file_.c_str(), FALSE);
  }
  ~ControlCopy() {
    ::DeleteFileW(file_.c_str());
    ::RemoveDirectoryW(folder_.c_str());
  }
  bool copied() const { return copied_; }
  const std::wstring& file() const { return file_; }

 private:
  std::wstring folder_, file_;
  bool copied_ = false;
};

class ModuleFolder : public ::testing::Test {
 protected:
  // The build's own control again for the tests after this one.
  void TearDown() override { EXPECT_EQ(CallExport("DllRegisterServer"), S_OK); }
};

}  // namespace

TEST_F(ModuleFolder, RegisteredFromAnyFolderAndCalledByName) {
  // The code page this run was started for; Wine's Western one otherwise.
  const char* page = std::getenv("SCRIBBET_EXPECTED_CODE_PAGE");
  EXPECT_EQ(::GetACP(), page ? std::strtoul(page, nullptr, 10) : 1252ul);
  const std::string control = "CLSID\\" + GuidText(CLSID_Scribbet);
  const std::string aboutPage = "CLSID\\" + GuidText(CLSID_AboutProperty);
  const std::string typeLibrary =
      TypeLibraryKey() + "\\0\\" + (sizeof(void*) == 8 ? "win64" : "win32");
  for (const wchar_t* folder : kFolders) {
    SCOPED_TRACE(testing::PrintToString(std::wstring(folder)));
    ControlCopy copy(folder);
    ASSERT_TRUE(copy.copied());
    const Finished registered = RunProgram(L"regsvr32.exe /s \"" + copy.file() + L"\"");
    EXPECT_EQ(registered.exitCode, 0u) << registered.output;
    EXPECT_PRED2(SamePath, ClassesValueW(control + "\\InprocServer32"), copy.file());
    EXPECT_PRED2(SamePath, ClassesValueW(aboutPage + "\\InprocServer32"), copy.file());
    EXPECT_PRED2(SamePath, ClassesValueW(control + "\\ToolboxBitmap32"),
                 copy.file() + L", " + std::to_wstring(kToolboxBitmapResource));
    EXPECT_PRED2(SamePath, ClassesValueW(typeLibrary), copy.file());

    testing_support::EventTrace trace;
    const std::u16string source = testing_support::UniqueName(u"folder");
    const std::string output = RunScript(
        "scribbet-folder.js",
        "var c = new ActiveXObject(\"ScribbetLib.Scribbet\");\n"
        "WScript.Echo(c.WriteEvent(\"from a folder\", 2, \"" +
            std::string(source.begin(), source.end()) + "\"));\n");
    EXPECT_EQ(output, "1\n");
    const auto events = trace.NewEvents();
    ASSERT_EQ(events.size(), 1u);
    EXPECT_EQ(events[0].strings, std::vector<std::u16string>{u"from a folder"});
    EXPECT_EQ(events[0].source, source);

    EXPECT_EQ(RunProgram(L"regsvr32.exe /s /u \"" + copy.file() + L"\"").exitCode, 0u);
    EXPECT_FALSE(ClassesKeyExists(control));
  }
}
