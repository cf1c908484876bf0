// regsvr32 and back: what the control records, and that it all goes again.
#include "tests/wine/com/com_support.h"

#include "Scribbet_facts.h"
#include "registration_ids.h"

#include <cstring>
#include <cwchar>
#include <vector>

using namespace com_testing;

namespace {

const CLSID kClsSupportClass = {0x774f4cda, 0x22a0, 0x4230,
                                {0xa3, 0xdd, 0x45, 0x0e, 0x0a, 0x55, 0xb8, 0x2a}};

std::string Lower(std::string text) {
  for (char& c : text) c = static_cast<char>(tolower(static_cast<unsigned char>(c)));
  return text;
}

void ExpectRegistered() {
  const std::string control = "CLSID\\" + GuidText(CLSID_Scribbet);
  const std::string page = "CLSID\\" + GuidText(CLSID_AboutProperty);
  CLSID resolved = {};
  EXPECT_EQ(::CLSIDFromProgID(L"ScribbetLib.Scribbet", &resolved), S_OK);
  EXPECT_TRUE(IsEqualCLSID(resolved, CLSID_Scribbet));
  EXPECT_EQ(::CLSIDFromProgID(L"ScribbetLib.AboutProperty", &resolved), S_OK);
  EXPECT_TRUE(IsEqualCLSID(resolved, CLSID_AboutProperty));
  for (const std::string& key : {control, page}) {
    SCOPED_TRACE(key);
    EXPECT_EQ(Lower(ClassesValue(key + "\\InprocServer32")), Lower(OcxPathA()));
    EXPECT_EQ(ClassesValue(key + "\\InprocServer32", "ThreadingModel"), "Apartment");
    EXPECT_EQ(ClassesValue(key + "\\TypeLib"), GuidText(LIBID_ScribbetLib));
  }
  EXPECT_EQ(ClassesValue(control + "\\ProgID"), "ScribbetLib.Scribbet");
  EXPECT_EQ(ClassesValue(page + "\\ProgID"), "ScribbetLib.AboutProperty");
  EXPECT_TRUE(ClassesKeyExists(control + "\\Control"));
  EXPECT_FALSE(ClassesKeyExists(page + "\\Control"));
  EXPECT_EQ(Lower(ClassesValue(control + "\\ToolboxBitmap32")),
            Lower(OcxPathA() + ", " + std::to_string(kToolboxBitmapResource)));
  EXPECT_EQ(ClassesValue(control + "\\MiscStatus\\1"),
            std::to_string(scribbet::com::kControlMiscStatus));
  EXPECT_TRUE(ClassesKeyExists(TypeLibraryKey()));
  EXPECT_TRUE(ClassesKeyExists("Interface\\" + GuidText(IID__Scribbet)));
}

void ExpectUnregistered() {
  CLSID resolved = {};
  EXPECT_NE(::CLSIDFromProgID(L"ScribbetLib.Scribbet", &resolved), S_OK);
  EXPECT_NE(::CLSIDFromProgID(L"ScribbetLib.AboutProperty", &resolved), S_OK);
  EXPECT_FALSE(ClassesKeyExists("CLSID\\" + GuidText(CLSID_Scribbet)));
  EXPECT_FALSE(ClassesKeyExists("CLSID\\" + GuidText(CLSID_AboutProperty)));
  EXPECT_FALSE(ClassesKeyExists(TypeLibraryKey()));
}

}  // namespace

TEST(Registration, Regsvr32RecordsEverythingAndTheUndoRemovesIt) {
  const std::string regsvr32 = "regsvr32.exe /s \"" + OcxPathA() + "\"";
  EXPECT_EQ(RunProgram(regsvr32).exitCode, 0u);
  ExpectRegistered();
  EXPECT_EQ(RunProgram("regsvr32.exe /s /u \"" + OcxPathA() + "\"").exitCode, 0u);
  ExpectUnregistered();
  // Unregistering what is gone is no failure; registering again restores all.
  EXPECT_EQ(CallExport("DllUnregisterServer"), S_OK);
  EXPECT_EQ(RunProgram(regsvr32).exitCode, 0u);
  ExpectRegistered();
}

TEST(Registration, ClsSupportCannotBeCreatedFromOutside) {
  CLSID resolved = {};
  EXPECT_NE(::CLSIDFromProgID(L"ScribbetLib.clsSupport", &resolved), S_OK);
  IUnknown* object = reinterpret_cast<IUnknown*>(0x1);
  EXPECT_EQ(::CoCreateInstance(kClsSupportClass, nullptr, CLSCTX_INPROC_SERVER, IID_IUnknown,
                               reinterpret_cast<void**>(&object)),
            REGDB_E_CLASSNOTREG);
  EXPECT_EQ(object, nullptr);
  auto getClassObject = reinterpret_cast<HRESULT(STDAPICALLTYPE*)(REFCLSID, REFIID, void**)>(
      reinterpret_cast<void (*)()>(::GetProcAddress(Module(), "DllGetClassObject")));
  ASSERT_TRUE(getClassObject);
  void* factory = reinterpret_cast<void*>(0x1);
  EXPECT_EQ(getClassObject(kClsSupportClass, IID_IClassFactory, &factory),
            CLASS_E_CLASSNOTAVAILABLE);
  EXPECT_EQ(factory, nullptr);
  EXPECT_EQ(getClassObject(IID_clsSupport, IID_IClassFactory, &factory),
            CLASS_E_CLASSNOTAVAILABLE);
}

namespace {

// Every text value below the key and its subkeys, by path and value name,
// with its raw bytes as stored.
struct StoredText {
  std::wstring where;
  std::vector<BYTE> bytes;
};

void CollectTexts(HKEY parent, const std::wstring& path, std::vector<StoredText>& found) {
  HKEY raw = nullptr;
  if (::RegOpenKeyExW(parent, path.c_str(), 0, KEY_READ, &raw)) return;
  std::vector<std::wstring> subkeys;
  for (DWORD i = 0;; ++i) {
    wchar_t name[256] = {};
    DWORD nameLength = 256, type = 0, size = 0;
    if (::RegEnumValueW(raw, i, name, &nameLength, nullptr, &type, nullptr, &size)) break;
    if (type != REG_SZ) continue;
    std::vector<BYTE> bytes(size);
    DWORD read = size;
    nameLength = 256;
    ::RegEnumValueW(raw, i, name, &nameLength, nullptr, &type, bytes.data(), &read);
    bytes.resize(read);
    found.push_back({path + L" : " + (*name ? name : L"(default)"), bytes});
  }
  for (DWORD i = 0;; ++i) {
    wchar_t name[256] = {};
    DWORD nameLength = 256;
    if (::RegEnumKeyExW(raw, i, name, &nameLength, nullptr, nullptr, nullptr, nullptr)) break;
    subkeys.push_back(name);
  }
  ::RegCloseKey(raw);
  for (const std::wstring& subkey : subkeys) CollectTexts(parent, path + L"\\" + subkey, found);
}

std::wstring WideAscii(const std::string& text) { return std::wstring(text.begin(), text.end()); }

}  // namespace

TEST(Registration, EveryTextIsStoredWithItsTerminator) {
  // Readers that trust the stored terminator read past a value without one.
  ASSERT_EQ(CallExport("DllRegisterServer"), S_OK);
  std::vector<StoredText> texts;
  for (const std::wstring& root :
       {L"CLSID\\" + WideAscii(GuidText(CLSID_Scribbet)),
        L"CLSID\\" + WideAscii(GuidText(CLSID_AboutProperty)), std::wstring(L"ScribbetLib.Scribbet"),
        std::wstring(L"ScribbetLib.AboutProperty")})
    CollectTexts(HKEY_CLASSES_ROOT, root, texts);
  // The classes' names, servers, threading models, ProgIDs, type library,
  // control mark, toolbox picture, misc status and the ProgIDs' own keys.
  EXPECT_GE(texts.size(), 18u);
  for (const StoredText& text : texts) {
    SCOPED_TRACE(testing::PrintToString(text.where));
    ASSERT_GE(text.bytes.size(), sizeof(wchar_t));
    ASSERT_EQ(text.bytes.size() % sizeof(wchar_t), 0u);
    std::wstring characters(text.bytes.size() / sizeof(wchar_t), L'\0');
    std::memcpy(characters.data(), text.bytes.data(), text.bytes.size());
    // (length + 1) x 2 bytes: the characters, then exactly one zero.
    EXPECT_EQ(characters.back(), L'\0');
    EXPECT_EQ(wcslen(characters.c_str()) + 1, characters.size());
  }
}
