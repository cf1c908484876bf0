// regsvr32 and back: what the control records, and that it all goes again.
#include "tests/wine/com/com_support.h"

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
  EXPECT_EQ(Lower(ClassesValue(control + "\\ToolboxBitmap32")), Lower(OcxPathA()) + ", 30000");
  EXPECT_EQ(ClassesValue(control + "\\MiscStatus\\1"), "148881");
  EXPECT_TRUE(ClassesKeyExists("TypeLib\\" + GuidText(LIBID_ScribbetLib) + "\\49.0"));
  EXPECT_TRUE(ClassesKeyExists("Interface\\" + GuidText(IID__Scribbet)));
}

void ExpectUnregistered() {
  CLSID resolved = {};
  EXPECT_NE(::CLSIDFromProgID(L"ScribbetLib.Scribbet", &resolved), S_OK);
  EXPECT_NE(::CLSIDFromProgID(L"ScribbetLib.AboutProperty", &resolved), S_OK);
  EXPECT_FALSE(ClassesKeyExists("CLSID\\" + GuidText(CLSID_Scribbet)));
  EXPECT_FALSE(ClassesKeyExists("CLSID\\" + GuidText(CLSID_AboutProperty)));
  EXPECT_FALSE(ClassesKeyExists("TypeLib\\" + GuidText(LIBID_ScribbetLib) + "\\49.0"));
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
