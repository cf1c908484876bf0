// WriteEvent called through the vtable and through IDispatch, as C++ callers
// and script hosts call it: results, write-backs, refusals.
#include "tests/wine/com/com_support.h"
#include "tests/wine/com/dispatch_call.h"

#include "tests/support/event_trace.h"
#include "tests/support/machine.h"
#include "tests/support/sentinels.h"

using namespace com_testing;
using testing_support::kUnwritten;
using testing_support::Unwritten;

namespace {

class WriteEventCall : public ::testing::Test {
 protected:
  ComPtr<_Scribbet> control = CreateControl();
  testing_support::EventTrace trace;
  std::wstring source = Unique(L"com");

  static std::wstring Unique(const wchar_t* stem) {
    const std::u16string name = testing_support::UniqueName(
        std::u16string(stem, stem + wcslen(stem)));
    return std::wstring(name.begin(), name.end());
  }
};

}  // namespace

TEST_F(WriteEventCall, ThroughTheVtable) {
  auto message = Bstr(L"from the vtable");
  auto name = Bstr(source.c_str());
  short type = 3, result = -7;
  ASSERT_EQ(control->WriteEvent(message.addressof(), &type, name.addressof(), &result), S_OK);
  EXPECT_EQ(result, 1);
  EXPECT_EQ(type, 4);
  EXPECT_EQ(Text(message.get()), L"from the vtable");
  // Refused type: result 0 and the variable as it was.
  EXPECT_EQ(control->WriteEvent(message.addressof(), &type, name.addressof(), &result), S_OK);
  EXPECT_EQ(result, 0);
  EXPECT_EQ(type, 4);
  // No name: the default source, and an empty name comes back as it.
  BSTR empty = nullptr;
  type = 1;
  EXPECT_EQ(control->WriteEvent(message.addressof(), &type, &empty, &result), S_OK);
  EXPECT_EQ(Text(empty), L"Scribbet");
  ::SysFreeString(empty);
  result = Unwritten<short>();
  EXPECT_EQ(control->WriteEvent(message.addressof(), &type, nullptr, &result), S_OK);
  EXPECT_EQ(result, 1);
  const auto events = trace.NewEvents();
  ASSERT_EQ(events.size(), 3u);
  EXPECT_EQ(events[0].type, 4);
  EXPECT_EQ(events[1].type, 1);
  EXPECT_EQ(events[0].strings, std::vector<std::u16string>{u"from the vtable"});
  // Null pointers are refused before anything happens.
  EXPECT_EQ(control->WriteEvent(nullptr, &type, nullptr, &result), E_POINTER);
  EXPECT_EQ(control->WriteEvent(message.addressof(), nullptr, nullptr, &result), E_POINTER);
  EXPECT_EQ(control->WriteEvent(message.addressof(), &type, nullptr, nullptr), E_POINTER);
  EXPECT_EQ(trace.NewEvents().size(), 3u);
}

TEST_F(WriteEventCall, NamesAndTypeInformation) {
  auto dispatch = Dispatch(control);
  LPOLESTR name = const_cast<LPOLESTR>(L"writeevent");
  DISPID id = kUnwritten;
  EXPECT_EQ(dispatch->GetIDsOfNames(IID_NULL, &name, 1, LOCALE_USER_DEFAULT, &id), S_OK);
  EXPECT_EQ(id, kWriteEvent);
  name = const_cast<LPOLESTR>(L"NoSuchMethod");
  id = kUnwritten;
  EXPECT_EQ(dispatch->GetIDsOfNames(IID_NULL, &name, 1, LOCALE_USER_DEFAULT, &id),
            DISP_E_UNKNOWNNAME);
  EXPECT_EQ(id, DISPID_UNKNOWN);
  UINT count = kUnwritten;
  EXPECT_EQ(dispatch->GetTypeInfoCount(&count), S_OK);
  EXPECT_EQ(count, 1u);
  ComPtr<ITypeInfo> info;
  EXPECT_EQ(dispatch->GetTypeInfo(0, LOCALE_USER_DEFAULT, &info), S_OK);
  EXPECT_TRUE(info);
  auto missing = Unwritten<ITypeInfo*>();
  EXPECT_EQ(dispatch->GetTypeInfo(1, LOCALE_USER_DEFAULT, &missing), DISP_E_BADINDEX);
  EXPECT_EQ(missing, nullptr);
}

TEST_F(WriteEventCall, VariablesAsVbscriptPassesThem) {
  Variable message(L"from a variable"), type(short{3}), name;  // name: an empty variable
  Call call;
  call.arguments = {Reference(&message), Reference(&type), Reference(&name)};
  ASSERT_EQ(call.Invoke(Dispatch(control).Get()), S_OK);
  EXPECT_EQ(call.result.vt, VT_I2);
  EXPECT_EQ(call.result.iVal, 1);
  EXPECT_EQ(type.vt, VT_I2);
  EXPECT_EQ(type.iVal, 4);
  ASSERT_EQ(name.vt, VT_BSTR);
  EXPECT_EQ(Text(name.bstrVal), L"Scribbet");
  EXPECT_EQ(Text(message.bstrVal), L"from a variable");
  // The same variable again: 4 is refused, and nothing is written.
  ASSERT_EQ(call.Invoke(Dispatch(control).Get()), S_OK);
  EXPECT_EQ(call.result.iVal, 0);
  EXPECT_EQ(type.iVal, 4);
  EXPECT_EQ(trace.NewEvents().size(), 1u);
}

TEST_F(WriteEventCall, LiteralsAsJscriptPassesThemAndOptionalName) {
  Variable message(L"by value");
  VARIANT number = ByValue(VT_I4);
  number.lVal = 2;
  Call call;
  call.arguments = {message, number};  // two arguments: the name left out
  ASSERT_EQ(call.Invoke(Dispatch(control).Get(), kWriteEvent,
                        DISPATCH_METHOD | DISPATCH_PROPERTYGET),
            S_OK);
  EXPECT_EQ(call.result.iVal, 1);
  // A missing optional argument as hosts mark it.
  VARIANT missing = ByValue(VT_ERROR);
  missing.scode = DISP_E_PARAMNOTFOUND;
  Call withMissing;
  withMissing.arguments = {message, number, missing};
  ASSERT_EQ(withMissing.Invoke(Dispatch(control).Get()), S_OK);
  // Numbers are text too, and typed references get their results.
  VARIANT numericMessage = ByValue(VT_R8);
  numericMessage.dblVal = 2.5;
  short typeVariable = 3;
  VARIANT typed = ByValue(VT_BYREF | VT_I2);
  typed.piVal = &typeVariable;
  Variable nameVariable(source.c_str());
  VARIANT typedName = ByValue(VT_BYREF | VT_BSTR);
  typedName.pbstrVal = &nameVariable.bstrVal;
  Call typedCall;
  typedCall.arguments = {numericMessage, typed, typedName};
  ASSERT_EQ(typedCall.Invoke(Dispatch(control).Get()), S_OK);
  EXPECT_EQ(typeVariable, 4);
  EXPECT_EQ(Text(nameVariable.bstrVal), source);
  const auto events = trace.NewEvents();
  ASSERT_EQ(events.size(), 3u);
  EXPECT_EQ(events[0].strings, std::vector<std::u16string>{u"by value"});
  // The number as text in the locale the call named: the user's.
  wchar_t separator[8] = {};
  ::GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, separator, 8);
  const std::u16string twoAndAHalf =
      u"2" + std::u16string(reinterpret_cast<const char16_t*>(separator)) + u"5";
  EXPECT_EQ(events[2].strings, std::vector<std::u16string>{twoAndAHalf});
}

TEST_F(WriteEventCall, BadCallsGetTheStandardCodes) {
  auto dispatch = Dispatch(control);
  Variable message(L"m"), type(short{1});
  {
    Call tooFew;
    tooFew.arguments = {message};
    EXPECT_EQ(tooFew.Invoke(dispatch.Get()), DISP_E_BADPARAMCOUNT);
    Call tooMany;
    tooMany.arguments = {message, type, message, type};
    EXPECT_EQ(tooMany.Invoke(dispatch.Get()), DISP_E_BADPARAMCOUNT);
  }
  {
    Call wrongMember;
    wrongMember.arguments = {message, type};
    EXPECT_EQ(wrongMember.Invoke(dispatch.Get(), 12), DISP_E_MEMBERNOTFOUND);
    EXPECT_EQ(wrongMember.Invoke(dispatch.Get(), kWriteEvent, DISPATCH_PROPERTYPUT),
              DISP_E_MEMBERNOTFOUND);
  }
  {
    Variable word(L"three");
    Call notANumber;
    notANumber.arguments = {message, word};
    EXPECT_EQ(notANumber.Invoke(dispatch.Get()), DISP_E_TYPEMISMATCH);
    EXPECT_EQ(notANumber.argumentError, 0u);  // rgvarg[0]: the second argument
    VARIANT big = ByValue(VT_I4);
    big.lVal = 70000;
    Call overflow;
    overflow.arguments = {message, big};
    EXPECT_EQ(overflow.Invoke(dispatch.Get()), DISP_E_OVERFLOW);
    VARIANT null = ByValue(VT_NULL);
    Call nullMessage;
    nullMessage.arguments = {null, type};
    EXPECT_EQ(nullMessage.Invoke(dispatch.Get()), DISP_E_TYPEMISMATCH);
    EXPECT_EQ(nullMessage.argumentError, 1u);
  }
  {
    Call named;
    named.arguments = {message, type};
    std::vector<VARIANT> reversed(named.arguments.rbegin(), named.arguments.rend());
    DISPID names[] = {0};
    DISPPARAMS params = {reversed.data(), names, 2, 1};
    // The type named as the message, which the first argument already is.
    EXPECT_EQ(dispatch->Invoke(kWriteEvent, IID_NULL, 0, DISPATCH_METHOD, &params, nullptr,
                               nullptr, nullptr),
              DISP_E_PARAMNOTFOUND);
    EXPECT_EQ(dispatch->Invoke(kWriteEvent, IID_NULL, 0, DISPATCH_METHOD, nullptr, nullptr,
                               nullptr, nullptr),
              E_INVALIDARG);
    params = {reversed.data(), nullptr, 2, 0};
    EXPECT_EQ(dispatch->Invoke(kWriteEvent, IID_IUnknown, 0, DISPATCH_METHOD, &params, nullptr,
                               nullptr, nullptr),
              DISP_E_UNKNOWNINTERFACE);
  }
  EXPECT_TRUE(trace.NewEvents().empty());
  EXPECT_EQ(type.iVal, 1);
}
