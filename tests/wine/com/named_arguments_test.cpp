// Named arguments, as VBA and Visual Basic send them ("TypeOfEvent:=3"):
// the names' DISPIDs, named arguments in any order, alone or after
// positional ones, and the standard refusals.
#include "tests/wine/com/com_support.h"
#include "tests/wine/com/dispatch_call.h"

#include <functional>

#include "tests/support/event_trace.h"
#include "tests/support/machine.h"

using namespace com_testing;

namespace {

constexpr DISPID kMessage = 0, kType = 1, kName = 2;

std::wstring UniqueSource() {
  const std::u16string name = testing_support::UniqueName(u"named");
  return std::wstring(name.begin(), name.end());
}

TEST(NamedArguments, NamesGiveTheMethodsAndParametersIds) {
  auto dispatch = Dispatch(CreateControl());
  struct Case {
    std::vector<const wchar_t*> names;
    HRESULT expected;
    std::vector<DISPID> ids;
  };
  const Case cases[] = {
      {{L"WriteEvent", L"MessageString", L"TypeOfEvent", L"YourAppName"}, S_OK,
       {kWriteEvent, kMessage, kType, kName}},
      {{L"WRITEEVENT", L"youRappname", L"typeofevent"}, S_OK, {kWriteEvent, kName, kType}},
      {{L"WriteEvent", L"MessageString", L"Colour"}, DISP_E_UNKNOWNNAME,
       {kWriteEvent, kMessage, DISPID_UNKNOWN}},
      {{L"NoSuchMethod", L"MessageString"}, DISP_E_UNKNOWNNAME, {DISPID_UNKNOWN, DISPID_UNKNOWN}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::PrintToString(std::wstring(c.names[0])) + " with " +
                 std::to_string(c.names.size() - 1) + " parameter names");
    std::vector<DISPID> ids(c.names.size(), 12345);
    EXPECT_EQ(dispatch->GetIDsOfNames(IID_NULL, const_cast<LPOLESTR*>(c.names.data()),
                                      static_cast<UINT>(c.names.size()), LOCALE_USER_DEFAULT,
                                      ids.data()),
              c.expected);
    EXPECT_EQ(ids, c.ids);
  }
}

// Every accepted shape of call: the entry is written with the right text
// and type, and the caller's variables get their results as they do with
// positional arguments (type 3 comes back as 4, an empty name as the default).
TEST(NamedArguments, AnyOrderAloneOrAfterPositionalOnes) {
  auto dispatch = Dispatch(CreateControl());
  const std::wstring source = UniqueSource();
  struct Case {
    const char* shape;
    std::function<void(Call&, VARIANT*, VARIANT*, VARIANT*)> build;  // message, type, name
    bool nameGiven;
  };
  VARIANT missing = ByValue(VT_ERROR);
  missing.scode = DISP_E_PARAMNOTFOUND;
  const Case cases[] = {
      {"all named, last first",
       [](Call& c, VARIANT* m, VARIANT* t, VARIANT* n) {
         c.arguments = {Reference(n), Reference(t), Reference(m)};
         c.names = {kName, kType, kMessage};
       },
       true},
      {"the two required ones named, type first",
       [](Call& c, VARIANT* m, VARIANT* t, VARIANT*) {
         c.arguments = {Reference(t), Reference(m)};
         c.names = {kType, kMessage};
       },
       false},
      {"message positional, then name and type named",
       [](Call& c, VARIANT* m, VARIANT* t, VARIANT* n) {
         c.arguments = {Reference(m), Reference(n), Reference(t)};
         c.names = {kName, kType};
       },
       true},
      {"message and type positional, name named",
       [](Call& c, VARIANT* m, VARIANT* t, VARIANT* n) {
         c.arguments = {Reference(m), Reference(t), Reference(n)};
         c.names = {kName};
       },
       true},
      {"name named as missing",
       [&](Call& c, VARIANT* m, VARIANT* t, VARIANT*) {
         c.arguments = {missing, Reference(m), Reference(t)};
         c.names = {kName, kMessage, kType};
       },
       false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.shape);
    testing_support::EventTrace trace;
    const std::string shape = c.shape;
    const std::wstring text = L"named: " + std::wstring(shape.begin(), shape.end());
    Variable message(text.c_str()), type(short{3}), name(L"");
    Call call;
    c.build(call, &message, &type, &name);
    ASSERT_EQ(call.Invoke(dispatch.Get()), S_OK);
    EXPECT_EQ(call.result.vt, VT_I2);
    EXPECT_EQ(call.result.iVal, 1);
    EXPECT_EQ(type.vt, VT_I2);
    EXPECT_EQ(type.iVal, 4);
    ASSERT_EQ(name.vt, VT_BSTR);
    EXPECT_EQ(Text(name.bstrVal), c.nameGiven ? L"Scribbet" : L"");
    EXPECT_EQ(Text(message.bstrVal), text);
    const auto events = trace.NewEvents();
    ASSERT_EQ(events.size(), 1u);
    EXPECT_EQ(events[0].type, 4);
    EXPECT_EQ(events[0].strings,
              std::vector<std::u16string>{std::u16string(text.begin(), text.end())});
  }
  // Named literals are coerced as positional ones are: JScript's numbers
  // arrive as VT_I4, and a typed reference gets its result.
  testing_support::EventTrace trace;
  Variable message(L"named literals");
  VARIANT warning = ByValue(VT_I4);
  warning.lVal = 2;
  Variable nameVariable(source.c_str());
  VARIANT typedName = ByValue(VT_BYREF | VT_BSTR);
  typedName.pbstrVal = &nameVariable.bstrVal;
  Call literals;
  literals.arguments = {typedName, warning, message};
  literals.names = {kName, kType, kMessage};
  ASSERT_EQ(literals.Invoke(dispatch.Get()), S_OK);
  EXPECT_EQ(literals.result.iVal, 1);
  EXPECT_EQ(Text(nameVariable.bstrVal), source);
  const auto events = trace.NewEvents();
  ASSERT_EQ(events.size(), 1u);
  EXPECT_EQ(events[0].type, 2);
  EXPECT_EQ(events[0].source, std::u16string(source.begin(), source.end()));
}

// Refused calls: the standard code, puArgErr at the argument's place in
// rgvarg where one argument is at fault, and nothing written.
TEST(NamedArguments, BadNamedCallsGetTheStandardCodes) {
  auto dispatch = Dispatch(CreateControl());
  testing_support::EventTrace trace;
  Variable message(L"never written"), type(short{1}), text(L"not a number");
  const VARIANT m = Reference(&message), t = Reference(&type), x = Reference(&text);
  struct Case {
    const char* shape;
    std::vector<VARIANT> arguments;
    std::vector<DISPID> names;
    HRESULT expected;
    UINT argumentError;  // 12345: left alone
  };
  const Case cases[] = {
      {"message positional and named", {m, t, m}, {kMessage}, DISP_E_PARAMNOTFOUND, 0},
      {"type named twice", {m, t, t}, {kType, kType}, DISP_E_PARAMNOTFOUND, 1},
      {"no such parameter", {m, t, m}, {3}, DISP_E_PARAMNOTFOUND, 0},
      {"a negative DISPID", {t, m}, {DISPID_PROPERTYPUT, kMessage}, DISP_E_PARAMNOTFOUND, 1},
      {"the message left out", {t, m}, {kType, kName}, DISP_E_PARAMNOTOPTIONAL, 12345},
      {"the type left out, name given", {m, m}, {kMessage, kName}, DISP_E_PARAMNOTOPTIONAL,
       12345},
      {"the message named alone", {m}, {kMessage}, DISP_E_BADPARAMCOUNT, 12345},
      {"four, one named", {m, t, m, t}, {kName}, DISP_E_BADPARAMCOUNT, 12345},
      {"a named type that is no number", {m, x}, {kType}, DISP_E_TYPEMISMATCH, 0},
      {"a named message that is no text", {t, ByValue(VT_DISPATCH)}, {kType, kMessage},
       DISP_E_TYPEMISMATCH, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.shape);
    Call call;
    call.arguments = c.arguments;
    call.names = c.names;
    EXPECT_EQ(call.Invoke(dispatch.Get()), c.expected);
    EXPECT_EQ(call.argumentError, c.argumentError);
  }
  // More names than arguments, and a count of names without them.
  VARIANT two[] = {t, m};
  DISPID names[] = {kType, kMessage, kName};
  DISPPARAMS tooManyNames = {two, names, 2, 3};
  DISPPARAMS noNames = {two, nullptr, 2, 1};
  for (DISPPARAMS* params : {&tooManyNames, &noNames})
    EXPECT_EQ(dispatch->Invoke(kWriteEvent, IID_NULL, 0, DISPATCH_METHOD, params, nullptr,
                               nullptr, nullptr),
              E_INVALIDARG);
  EXPECT_TRUE(trace.NewEvents().empty());
  EXPECT_EQ(type.iVal, 1);
  EXPECT_EQ(Text(message.bstrVal), L"never written");
}

}  // namespace
