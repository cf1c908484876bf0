// regsvr32 and back: what the control records, and that it all goes again.
#include "tests/wine/com/com_support.h"

#include <cwchar>
#include <vector>

#include "Scribbet_facts.h"

using namespace com_testing;
using scribbet::com::kClasses;
using scribbet::com::RegistryEntry;

namespace {

const CLSID kClsSupportClass = {0x774f4cda, 0x22a0, 0x4230,
                                {0xa3, 0xdd, 0x45, 0x0e, 0x0a, 0x55, 0xb8, 0x2a}};

// The entry's value as stored, every byte of it; nothing when it is missing
// or no text.
std::vector<wchar_t> StoredText(const RegistryEntry& entry) {
  const auto key = OpenClassesKey(entry.key);
  DWORD type = 0, size = 0;
  if (!key || ::RegQueryValueExW(key.get(), entry.name, nullptr, &type, nullptr, &size) ||
      type != REG_SZ)
    return {};
  std::vector<wchar_t> text((size + 1) / sizeof(wchar_t));
  ::RegQueryValueExW(key.get(), entry.name, nullptr, &type, reinterpret_cast<BYTE*>(text.data()),
                     &size);
  return text;
}

void ExpectRegistered() {
  CLSID resolved = {};
  EXPECT_EQ(::CLSIDFromProgID(L"ScribbetLib.Scribbet", &resolved), S_OK);
  EXPECT_TRUE(IsEqualCLSID(resolved, CLSID_Scribbet));
  EXPECT_EQ(::CLSIDFromProgID(L"ScribbetLib.AboutProperty", &resolved), S_OK);
  EXPECT_TRUE(IsEqualCLSID(resolved, CLSID_AboutProperty));
  // Every value of the registration table, the module's path where it names
  // it, stored with exactly one terminator: readers that trust the stored
  // terminator read past a value without one.
  for (const auto& record : kClasses) {
    for (const RegistryEntry& entry : record.entries) {
      SCOPED_TRACE(std::string(entry.key) + " " + (entry.name ? "(named)" : "(default)"));
      const std::vector<wchar_t> stored = StoredText(entry);
      const std::wstring expected = (entry.modulePathFirst ? OcxPath() : L"") + entry.value;
      ASSERT_EQ(stored.size(), expected.size() + 1);
      EXPECT_EQ(stored.back(), L'\0');
      EXPECT_EQ(_wcsicmp(stored.data(), expected.c_str()), 0) << testing::PrintToString(expected);
    }
  }
  const std::string page = "CLSID\\" + GuidText(CLSID_AboutProperty);
  EXPECT_EQ(ClassesValue(page + "\\InprocServer32", "ThreadingModel"), "Apartment");
  EXPECT_FALSE(ClassesKeyExists(page + "\\Control"));
  EXPECT_TRUE(ClassesKeyExists(TypeLibraryKey()));
  EXPECT_TRUE(ClassesKeyExists("Interface\\" + GuidText(IID__Scribbet)));
}

void ExpectUnregistered() {
  CLSID resolved = {};
  EXPECT_NE(::CLSIDFromProgID(L"ScribbetLib.Scribbet", &resolved), S_OK);
  EXPECT_NE(::CLSIDFromProgID(L"ScribbetLib.AboutProperty", &resolved), S_OK);
  for (const auto& record : kClasses)
    for (const RegistryEntry& entry : record.entries) EXPECT_FALSE(ClassesKeyExists(entry.key));
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
