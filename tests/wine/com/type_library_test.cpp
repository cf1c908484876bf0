// The type library inside the control's file, read back as a host reads it.
#include "Scribbet_facts.h"
#include "scribbet_names.h"
#include "tests/wine/com/com_support.h"

using namespace com_testing;

namespace {

struct TypeAttributes {
  ComPtr<ITypeInfo> info;
  TYPEATTR* attributes = nullptr;
  ~TypeAttributes() {
    if (attributes) info->ReleaseTypeAttr(attributes);
  }
};

ComPtr<ITypeLib> Library() {
  ComPtr<ITypeLib> library;
  EXPECT_EQ(::LoadTypeLibEx(OcxPath().c_str(), REGKIND_NONE, &library), S_OK);
  return library;
}

std::wstring NameOf(ITypeInfo* info, MEMBERID member = MEMBERID_NIL) {
  BSTR name = nullptr;
  info->GetDocumentation(member, &name, nullptr, nullptr, nullptr);
  unique_bstr owner(name);
  return Text(name);
}

}  // namespace

TEST(TypeLibrary, LibraryAttributes) {
  auto library = Library();
  ASSERT_TRUE(library);
  TLIBATTR* attributes = nullptr;
  ASSERT_EQ(library->GetLibAttr(&attributes), S_OK);
  EXPECT_TRUE(IsEqualGUID(attributes->guid, LIBID_ScribbetLib));
  EXPECT_EQ(attributes->wMajorVerNum, scribbet::typelib::kMajorVersion);
  EXPECT_EQ(attributes->wMinorVerNum, scribbet::typelib::kMinorVersion);
  EXPECT_EQ(attributes->lcid, 0u);
  EXPECT_TRUE(attributes->wLibFlags & LIBFLAG_FCONTROL);
  library->ReleaseTLibAttr(attributes);
  BSTR name = nullptr, help = nullptr;
  ASSERT_EQ(library->GetDocumentation(-1, &name, &help, nullptr, nullptr), S_OK);
  unique_bstr nameOwner(name), helpOwner(help);
  EXPECT_EQ(Text(name), L"ScribbetLib");
  EXPECT_EQ(Text(help), L"" SCRIBBET_LIBRARY_DESCRIPTION);
}

TEST(TypeLibrary, SixTypesInOrderWithTheirFlags) {
  auto library = Library();
  ASSERT_TRUE(library);
  const struct {
    const wchar_t* name;
    TYPEKIND kind;
    WORD setFlags;
    WORD clearFlags;
  } expected[] = {
      {L"_Scribbet", TKIND_DISPATCH,
       TYPEFLAG_FHIDDEN | TYPEFLAG_FDUAL | TYPEFLAG_FNONEXTENSIBLE | TYPEFLAG_FOLEAUTOMATION, 0},
      {L"Scribbet", TKIND_COCLASS, TYPEFLAG_FCONTROL, TYPEFLAG_FCANCREATE},
      {L"clsSupport", TKIND_DISPATCH,
       TYPEFLAG_FDUAL | TYPEFLAG_FNONEXTENSIBLE | TYPEFLAG_FOLEAUTOMATION, TYPEFLAG_FHIDDEN},
      {L"_AboutProperty", TKIND_DISPATCH,
       TYPEFLAG_FHIDDEN | TYPEFLAG_FDUAL | TYPEFLAG_FNONEXTENSIBLE | TYPEFLAG_FOLEAUTOMATION, 0},
      {L"AboutProperty", TKIND_COCLASS, 0, TYPEFLAG_FCANCREATE | TYPEFLAG_FCONTROL},
      {L"__Scribbet", TKIND_DISPATCH, TYPEFLAG_FHIDDEN, TYPEFLAG_FDUAL},
  };
  ASSERT_EQ(library->GetTypeInfoCount(), 6u);
  for (UINT i = 0; i < 6; ++i) {
    SCOPED_TRACE(i);
    TypeAttributes type;
    ASSERT_EQ(library->GetTypeInfo(i, &type.info), S_OK);
    ASSERT_EQ(type.info->GetTypeAttr(&type.attributes), S_OK);
    EXPECT_EQ(NameOf(type.info.Get()), expected[i].name);
    EXPECT_EQ(type.attributes->typekind, expected[i].kind);
    WORD flags = type.attributes->wTypeFlags;
    // A dual interface is read as its dispatch side; the interface side
    // carries the rest of its flags.
    if (flags & TYPEFLAG_FDUAL) {
      HREFTYPE reference = 0;
      TypeAttributes side;
      ASSERT_EQ(type.info->GetRefTypeOfImplType(-1, &reference), S_OK);
      ASSERT_EQ(type.info->GetRefTypeInfo(reference, &side.info), S_OK);
      ASSERT_EQ(side.info->GetTypeAttr(&side.attributes), S_OK);
      EXPECT_EQ(side.attributes->typekind, TKIND_INTERFACE);
      flags |= side.attributes->wTypeFlags;
    }
    EXPECT_EQ(flags & expected[i].setFlags, expected[i].setFlags);
    EXPECT_EQ(flags & expected[i].clearFlags, 0);
    EXPECT_EQ(type.attributes->wMajorVerNum, 1);
    EXPECT_EQ(type.attributes->wMinorVerNum, 0);
  }
}

TEST(TypeLibrary, WriteEventAndGetVersionTypeMembers) {
  auto library = Library();
  ASSERT_TRUE(library);
  // The interface side of the dual interface carries the parameter list.
  ComPtr<ITypeInfo> dispatch, vtable;
  ASSERT_EQ(library->GetTypeInfoOfGuid(IID__Scribbet, &dispatch), S_OK);
  HREFTYPE reference = 0;
  ASSERT_EQ(dispatch->GetRefTypeOfImplType(-1, &reference), S_OK);
  ASSERT_EQ(dispatch->GetRefTypeInfo(reference, &vtable), S_OK);
  TypeAttributes type{vtable};
  ASSERT_EQ(vtable->GetTypeAttr(&type.attributes), S_OK);
  ASSERT_EQ(type.attributes->cFuncs, 1);
  FUNCDESC* function = nullptr;
  ASSERT_EQ(vtable->GetFuncDesc(0, &function), S_OK);
  EXPECT_EQ(function->memid, scribbet::typelib::kDispidWriteEvent);
  EXPECT_EQ(function->invkind, INVOKE_FUNC);
  EXPECT_EQ(function->callconv, CC_STDCALL);
  EXPECT_EQ(function->elemdescFunc.tdesc.vt, VT_HRESULT);
  ASSERT_EQ(function->cParams, 4);
  const struct {
    VARTYPE pointee;
    USHORT flags;
  } parameters[] = {
      {VT_BSTR, PARAMFLAG_FIN | PARAMFLAG_FOUT},
      {VT_I2, PARAMFLAG_FIN | PARAMFLAG_FOUT},
      {VT_BSTR, PARAMFLAG_FIN | PARAMFLAG_FOUT | PARAMFLAG_FOPT},
      {VT_I2, PARAMFLAG_FOUT | PARAMFLAG_FRETVAL},
  };
  for (int i = 0; i < 4; ++i) {
    SCOPED_TRACE(i);
    const ELEMDESC& parameter = function->lprgelemdescParam[i];
    EXPECT_EQ(parameter.tdesc.vt, VT_PTR);
    EXPECT_EQ(parameter.tdesc.lptdesc->vt, parameters[i].pointee);
    EXPECT_EQ(parameter.paramdesc.wParamFlags & ~PARAMFLAG_FHASDEFAULT, parameters[i].flags);
  }
  BSTR names[4] = {};
  UINT count = 0;
  ASSERT_EQ(vtable->GetNames(scribbet::typelib::kDispidWriteEvent, names, 4, &count), S_OK);
  EXPECT_EQ(Text(names[0]), L"WriteEvent");
  EXPECT_EQ(Text(names[1]), L"MessageString");
  EXPECT_EQ(Text(names[2]), L"TypeOfEvent");
  EXPECT_EQ(Text(names[3]), L"YourAppName");
  for (BSTR name : names) ::SysFreeString(name);
  vtable->ReleaseFuncDesc(function);

  ComPtr<ITypeInfo> support;
  ASSERT_EQ(library->GetTypeInfoOfGuid(IID_clsSupport, &support), S_OK);
  MEMBERID member = 0;
  LPOLESTR name = const_cast<LPOLESTR>(L"GetVersionType");
  ASSERT_EQ(support->GetIDsOfNames(&name, 1, &member), S_OK);
  EXPECT_EQ(member, scribbet::typelib::kDispidGetVersionType);
}

TEST(TypeLibrary, ControlClassDefaultAndSourceInterfaces) {
  auto library = Library();
  ASSERT_TRUE(library);
  ComPtr<ITypeInfo> coclass;
  ASSERT_EQ(library->GetTypeInfoOfGuid(CLSID_Scribbet, &coclass), S_OK);
  TypeAttributes type{coclass};
  ASSERT_EQ(coclass->GetTypeAttr(&type.attributes), S_OK);
  ASSERT_EQ(type.attributes->cImplTypes, 2);
  for (UINT i = 0; i < 2; ++i) {
    INT flags = 0;
    ASSERT_EQ(coclass->GetImplTypeFlags(i, &flags), S_OK);
    HREFTYPE reference = 0;
    ComPtr<ITypeInfo> implemented;
    coclass->GetRefTypeOfImplType(i, &reference);
    coclass->GetRefTypeInfo(reference, &implemented);
    const std::wstring name = NameOf(implemented.Get());
    if (flags & IMPLTYPEFLAG_FSOURCE) {
      EXPECT_EQ(name, L"__Scribbet");
    } else {
      EXPECT_EQ(name, L"_Scribbet");
    }
    EXPECT_TRUE(flags & IMPLTYPEFLAG_FDEFAULT);
  }
}
