// Whatever a caller sends through IDispatch: every VARIANT type for each of
// the three parameters, by value, by typed reference and by reference to a
// VARIANT, and calls of the wrong shape. Each gets its result or the
// standard code, the caller's arguments stay valid, nothing is kept.
#include <cstdio>
#include <functional>

#include "tests/support/machine.h"
#include "tests/wine/com/bad_input_samples.h"
#include "tests/wine/com/com_support.h"
#include "tests/wine/com/dispatch_call.h"
#include "tests/wine/com/malloc_spy.h"
#include "tests/wine/com/process_usage.h"

using namespace com_testing;

namespace {

enum class Param { Message, Type, Name };
const char* const kParamNames[] = {"message", "type", "name"};
const char* const kModeNames[] = {"by value", "VT_BYREF|type", "VT_BYREF|VT_VARIANT"};

// The outcome the sample's row states for its place and the way it is passed.
Outcome Expected(const Sample& sample, Param param, Mode mode) {
  const int place = static_cast<int>(param);
  if (mode == Mode::Typed && sample.typed) return (*sample.typed)[place];
  Outcome outcome = place == 0 ? sample.message : place == 1 ? sample.type : sample.name;
  if (mode == Mode::Value) outcome.after = After::AsItWas;  // nothing to write back into
  return outcome;
}

// One caller's variable holding the sample, and the argument that passes it.
struct Argument {
  Variable variable;
  // To compare afterwards: strings as a deep copy, everything else as it
  // stands (objects and arrays by identity).
  VARIANT before;
  Variable text;
  VARIANT passed;

  Argument(const Sample& sample, Mode mode) {
    sample.fill(variable);
    before = variable;
    if (variable.vt == VT_BSTR) {
      ::VariantCopy(&text, &variable);
      before = text;
    }
    passed = PassedAs(variable, mode);
  }
};

class BadInput : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { std::printf("%-8s | %-26s | %-19s | %-24s | %s\n", "param",
                                             "sample", "passed", "outcome", "variable after"); }

  ComPtr<IDispatch> dispatch = Dispatch(CreateControl());
  std::wstring source = UniqueSource();

  static std::wstring UniqueSource() {
    const std::u16string name = testing_support::UniqueName(u"badinput");
    return std::wstring(name.begin(), name.end());
  }

  // Calls with the sample in its place and good values in the other two.
  // Checks the result, the caller's variable and that VariantClear works.
  void RunCase(const Sample& sample, Param param, Mode mode, bool print) {
    Argument bad(sample, mode);
    Variable message(L"bad input"), type(short{3}), name(source.c_str());
    VARIANT messageArg = Reference(&message), typeArg = Reference(&type),
            nameArg = Reference(&name);
    VARIANT& slot = param == Param::Message ? messageArg : param == Param::Type ? typeArg
                                                                              : nameArg;
    slot = bad.passed;
    VARIANT arguments[3] = {nameArg, typeArg, messageArg};  // last first
    DISPPARAMS params = {arguments, nullptr, 3, 0};
    Variable result;
    UINT argumentError = 99;
    EXCEPINFO exception = {};
    const HRESULT hr = dispatch->Invoke(kWriteEvent, IID_NULL, LOCALE_USER_DEFAULT,
                                        DISPATCH_METHOD, &params, &result, &exception,
                                        &argumentError);
    const Outcome expected = Expected(sample, param, mode);
    const std::string where = std::string(kParamNames[static_cast<int>(param)]) + " " +
                              sample.label + " " + kModeNames[static_cast<int>(mode)];
    EXPECT_EQ(HresultName(hr), HresultName(expected.hr)) << where;
    if (hr == S_OK) {
      EXPECT_EQ(result.vt, VT_I2) << where;
      EXPECT_EQ(result.iVal, expected.result) << where;
    } else if (hr == DISP_E_TYPEMISMATCH || hr == DISP_E_OVERFLOW) {
      EXPECT_EQ(argumentError, 2u - static_cast<UINT>(param)) << where;  // counted last first
    }
    ::SysFreeString(exception.bstrSource);
    ::SysFreeString(exception.bstrDescription);
    CheckVariable(bad, hr == S_OK ? expected.after : After::AsItWas, where);
    if (mode == Mode::Value) {  // a by-value argument is the caller's too
      EXPECT_TRUE(SameVariant(arguments[2 - static_cast<int>(param)], bad.variable)) << where;
    }
    const std::string after = Describe(bad.variable);
    EXPECT_EQ(::VariantClear(&bad.variable), S_OK) << where;
    if (print)
      std::printf("%-8s | %-26s | %-19s | %-24s | %s\n", kParamNames[static_cast<int>(param)],
                  sample.label.c_str(), kModeNames[static_cast<int>(mode)],
                  (HresultName(hr) + (hr == S_OK ? " result " + std::to_string(result.iVal)
                                                 : std::string())).c_str(),
                  after.c_str());
  }

  // The caller's variable afterwards: as the row says it reads, or exactly
  // as it was.
  static void CheckVariable(Argument& bad, After after, const std::string& where) {
    VARIANT& variable = bad.variable;
    if (after == After::AsItWas) {
      EXPECT_TRUE(SameVariant(variable, bad.before)) << where << ": " << Describe(variable);
      return;
    }
    Variable seen;
    if (after == After::Four) {
      ASSERT_EQ(::VariantChangeType(&seen, &variable, 0, VT_I2), S_OK) << where;
      EXPECT_EQ(seen.iVal, 4) << where;
    } else {
      ASSERT_EQ(::VariantChangeType(&seen, &variable, 0, VT_BSTR), S_OK) << where;
      EXPECT_EQ(Text(seen.bstrVal), after == After::DefaultName ? L"Scribbet" : L"?x?") << where;
    }
  }
};

}  // namespace

// Every case twice: the first round loads what stays loaded; the second also
// checks that no call keeps a block of memory, and the process no more than
// before (a kept copy of the 10,000,000-character message is 20 MB).
TEST_F(BadInput, EveryTypeInEveryPlaceEveryWay) {
  SampleObjects objects;
  const std::vector<Sample> samples = AllSamples(objects);
  MallocSpy spy;
  ASSERT_TRUE(spy.registered());
  const auto round = [&](bool first) {
    for (Param param : {Param::Message, Param::Type, Param::Name}) {
      for (const Sample& sample : samples) {
        for (Mode mode : {Mode::Value, Mode::Typed, Mode::Variant}) {
          const std::size_t outstanding = spy.Outstanding();
          RunCase(sample, param, mode, first);
          if (!first) {
            EXPECT_EQ(spy.Outstanding(), outstanding)
                << kParamNames[static_cast<int>(param)] << " " << sample.label << " "
                << kModeNames[static_cast<int>(mode)] << ": blocks kept by the call";
          }
          EXPECT_EQ(objects.withDefault.References(), 1u) << sample.label;
          EXPECT_EQ(objects.withoutDefault.References(), 1u) << sample.label;
        }
      }
    }
  };
  round(true);
  const ProcessUsage before = ProcessUsage::Now();
  round(false);
  const ProcessUsage after = ProcessUsage::Now();
  std::printf("matrix again: before %s\n              after  %s\n", before.Describe().c_str(),
              after.Describe().c_str());
  ExpectNoGrowth(before, after, 8, 4u << 20, "after the matrix once more");
  EXPECT_EQ(spy.DoubleFrees(), 0);
}

namespace {

// One call of a given shape: its code, and the result where there is one.
struct Shape {
  const char* label;
  HRESULT expected;
  std::function<HRESULT(IDispatch*)> call;
};

void PrintShape(const char* label, HRESULT hr) {
  std::printf("%-8s | %-48s | %s\n", "call", label, HresultName(hr).c_str());
}

}  // namespace

TEST_F(BadInput, CallsOfTheWrongShape) {
  Variable message(L"shape"), type(short{1}), name(source.c_str());
  MallocSpy spy;
  const auto invoke = [](IDispatch* object, std::vector<VARIANT> firstToLast, VARIANT* result,
                         DISPID* names = nullptr, UINT nameCount = 0) {
    std::vector<VARIANT> reversed(firstToLast.rbegin(), firstToLast.rend());
    DISPPARAMS params = {reversed.empty() ? nullptr : reversed.data(), names,
                         static_cast<UINT>(reversed.size()), nameCount};
    return object->Invoke(kWriteEvent, IID_NULL, 0, DISPATCH_METHOD, &params, result, nullptr,
                          nullptr);
  };
  const VARIANT m = Reference(&message), t = Reference(&type), n = Reference(&name);
  VARIANT nowhere = ByValue(VT_BYREF | VT_VARIANT);  // a reference to nothing
  VARIANT noText = ByValue(VT_BYREF | VT_BSTR);
  VARIANT noNumber = ByValue(VT_BYREF | VT_I2);
  VARIANT badType = ByValue(0x7ff);
  VARIANT nested = Reference(const_cast<VARIANT*>(&t));  // a reference to a reference
  DISPID named[] = {0};
  const std::vector<Shape> shapes = {
      {"no arguments", DISP_E_BADPARAMCOUNT, [&](IDispatch* d) { return invoke(d, {}, nullptr); }},
      {"one argument", DISP_E_BADPARAMCOUNT, [&](IDispatch* d) { return invoke(d, {m}, nullptr); }},
      {"four arguments", DISP_E_BADPARAMCOUNT,
       [&](IDispatch* d) { return invoke(d, {m, t, n, m}, nullptr); }},
      {"five arguments", DISP_E_BADPARAMCOUNT,
       [&](IDispatch* d) { return invoke(d, {m, t, n, m, t}, nullptr); }},
      {"the type named as the message given already", DISP_E_PARAMNOTFOUND,
       [&](IDispatch* d) { return invoke(d, {m, t}, nullptr, named, 1); }},
      {"a named count without names", E_INVALIDARG,
       [&](IDispatch* d) { return invoke(d, {m, t}, nullptr, nullptr, 1); }},
      {"NULL pDispParams", E_INVALIDARG,
       [&](IDispatch* d) {
         return d->Invoke(kWriteEvent, IID_NULL, 0, DISPATCH_METHOD, nullptr, nullptr, nullptr,
                          nullptr);
       }},
      {"two arguments counted, NULL rgvarg", E_INVALIDARG,
       [&](IDispatch* d) {
         DISPPARAMS params = {nullptr, nullptr, 2, 0};
         return d->Invoke(kWriteEvent, IID_NULL, 0, DISPATCH_METHOD, &params, nullptr, nullptr,
                          nullptr);
       }},
      {"NULL result, EXCEPINFO and argument index", S_OK,
       [&](IDispatch* d) { return invoke(d, {m, t, n}, nullptr); }},
      {"message: VT_BYREF|VT_VARIANT to NULL", DISP_E_TYPEMISMATCH,
       [&](IDispatch* d) { return invoke(d, {nowhere, t, n}, nullptr); }},
      {"type: VT_BYREF|VT_VARIANT to NULL", DISP_E_TYPEMISMATCH,
       [&](IDispatch* d) { return invoke(d, {m, nowhere, n}, nullptr); }},
      {"name: VT_BYREF|VT_VARIANT to NULL", DISP_E_TYPEMISMATCH,
       [&](IDispatch* d) { return invoke(d, {m, t, nowhere}, nullptr); }},
      {"message: VT_BYREF|VT_BSTR to NULL", DISP_E_TYPEMISMATCH,
       [&](IDispatch* d) { return invoke(d, {noText, t, n}, nullptr); }},
      {"name: VT_BYREF|VT_BSTR to NULL", DISP_E_TYPEMISMATCH,
       [&](IDispatch* d) { return invoke(d, {m, t, noText}, nullptr); }},
      {"type: VT_BYREF|VT_I2 to NULL", DISP_E_TYPEMISMATCH,
       [&](IDispatch* d) { return invoke(d, {m, noNumber, n}, nullptr); }},
      {"type: a VARIANT type that does not exist", DISP_E_TYPEMISMATCH,
       [&](IDispatch* d) { return invoke(d, {m, badType, n}, nullptr); }},
      {"type: reference to a reference", DISP_E_TYPEMISMATCH,
       [&](IDispatch* d) { return invoke(d, {m, nested, n}, nullptr); }},
  };
  for (const Shape& shape : shapes) {
    type.iVal = 1;
    HRESULT hr = E_UNEXPECTED;
    for (int i = 0; i < 4; ++i) hr = shape.call(dispatch.Get());
    PrintShape(shape.label, hr);
    EXPECT_EQ(HresultName(hr), HresultName(shape.expected)) << shape.label;
  }
  EXPECT_EQ(Text(message.bstrVal), L"shape");
  EXPECT_EQ(Text(name.bstrVal), source);
  EXPECT_EQ(spy.DoubleFrees(), 0);
}
