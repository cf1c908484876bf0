#include "tests/wine/com/bad_input_samples.h"

#include "tests/wine/com/dispatch_call.h"

#include <oleauto.h>

#include <cstring>
#include <sstream>

namespace com_testing {

namespace {

constexpr Outcome Ok(short result, After after = After::AsItWas) { return {S_OK, result, after}; }
constexpr Outcome kMismatch{DISP_E_TYPEMISMATCH};
constexpr Outcome kOverflow{DISP_E_OVERFLOW};
constexpr Outcome kNotOptional{DISP_E_PARAMNOTOPTIONAL};
// What a typed reference to nothing, or to the mark of an omitted argument,
// gets: no valid VARIANT, refused in every place.
constexpr std::array<Outcome, 3> kRefusedEverywhere = {kMismatch, kMismatch, kMismatch};

// A number 3: a text "3" anywhere, and as the type an information entry.
Sample Number(const char* label, VARTYPE type, std::function<void(VARIANT&)> set) {
  return {label, [type, set](VARIANT& v) { v.vt = type; set(v); }, Ok(1), Ok(1, After::Four),
          Ok(1)};
}

// What is neither a text nor a number, refused in every place.
Sample Refused(const char* label, std::function<void(VARIANT&)> fill) {
  return {label, std::move(fill), kMismatch, kMismatch, kMismatch};
}

std::function<void(VARIANT&)> FillText(std::wstring text) {
  return [text](VARIANT& v) {
    v.vt = VT_BSTR;
    v.bstrVal = ::SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
  };
}

std::function<void(VARIANT&)> Object(VARTYPE type, ValueObject* object) {
  return [type, object](VARIANT& v) {
    v.vt = type;
    v.pdispVal = object;  // the same place as punkVal
    object->AddRef();
  };
}

SAFEARRAY* ArrayOf(VARTYPE type) {
  SAFEARRAY* array = ::SafeArrayCreateVector(type, 0, 1);
  LONG index = 0;
  if (type == VT_I2) {
    short three = 3;
    ::SafeArrayPutElement(array, &index, &three);
  } else {
    VARIANT three;
    ::VariantInit(&three);
    three.vt = VT_I2;
    three.iVal = 3;
    ::SafeArrayPutElement(array, &index, &three);
  }
  return array;
}

}  // namespace

std::vector<Sample> AllSamples(SampleObjects& objects) {
  std::vector<Sample> samples = {
      // label, fill: message, type, name
      {"empty", [](VARIANT&) {}, Ok(1), Ok(0), Ok(1, After::DefaultName), kRefusedEverywhere},
      {"null", [](VARIANT& v) { v.vt = VT_NULL; }, kMismatch, kMismatch, kMismatch},
      Number("I1 3", VT_I1, [](VARIANT& v) { v.cVal = 3; }),
      Number("UI1 3", VT_UI1, [](VARIANT& v) { v.bVal = 3; }),
      Number("I2 3", VT_I2, [](VARIANT& v) { v.iVal = 3; }),
      Number("UI2 3", VT_UI2, [](VARIANT& v) { v.uiVal = 3; }),
      Number("I4 3", VT_I4, [](VARIANT& v) { v.lVal = 3; }),
      Number("UI4 3", VT_UI4, [](VARIANT& v) { v.ulVal = 3; }),
      Number("INT 3", VT_INT, [](VARIANT& v) { v.intVal = 3; }),
      Number("UINT 3", VT_UINT, [](VARIANT& v) { v.uintVal = 3; }),
      Number("I8 3", VT_I8, [](VARIANT& v) { v.llVal = 3; }),
      Number("UI8 3", VT_UI8, [](VARIANT& v) { v.ullVal = 3; }),
      Number("R4 3", VT_R4, [](VARIANT& v) { v.fltVal = 3.0f; }),
      Number("R8 3", VT_R8, [](VARIANT& v) { v.dblVal = 3.0; }),
      Number("CY 3", VT_CY, [](VARIANT& v) { v.cyVal.int64 = 30000; }),
      Number("DATE 3", VT_DATE, [](VARIANT& v) { v.date = 3.0; }),
      Number("DECIMAL 3", VT_DECIMAL, [](VARIANT& v) {
        v.decVal.Lo64 = 3;
        v.vt = VT_DECIMAL;  // the DECIMAL's first field shares the type's place
      }),
      // True is -1: as the type, one that is refused.
      {"BOOL true", [](VARIANT& v) { v.vt = VT_BOOL; v.boolVal = VARIANT_TRUE; }, Ok(1), Ok(0),
       Ok(1)},
      {"I4 70000", [](VARIANT& v) { v.vt = VT_I4; v.lVal = 70000; }, Ok(1), kOverflow, Ok(1)},
      {"R8 1e300", [](VARIANT& v) { v.vt = VT_R8; v.dblVal = 1e300; }, Ok(1), kOverflow, Ok(1)},
      Refused("ERROR E_FAIL", [](VARIANT& v) { v.vt = VT_ERROR; v.scode = E_FAIL; }),
      // The mark of an omitted optional argument: only the name may be left out.
      {"ERROR missing", [](VARIANT& v) { v.vt = VT_ERROR; v.scode = DISP_E_PARAMNOTFOUND; },
       kNotOptional, kNotOptional, Ok(1), kRefusedEverywhere},
      {"BSTR \"3\"", FillText(L"3"), Ok(1), Ok(1, After::Four), Ok(1)},
      {"BSTR null", [](VARIANT& v) { v.vt = VT_BSTR; }, Ok(1), kMismatch,
       Ok(1, After::DefaultName)},
      {"BSTR embedded NULs", FillText(std::wstring(L"a\0b\0c", 5)), Ok(1), kMismatch, Ok(1)},
      // Too long for one entry: the message is refused with result 0.
      {"BSTR 10,000,000 chars", FillText(std::wstring(10'000'000, L'x')), Ok(0), kMismatch, Ok(1)},
      {"BSTR unpaired surrogates", FillText(std::wstring{0xD800, L'x', 0xDC00}),
       Ok(1, After::RoundTrip), kMismatch, Ok(1, After::RoundTrip)},
      // A typed reference to an object cannot take the type reported back.
      {"IDispatch with value 3", Object(VT_DISPATCH, &objects.withDefault), Ok(1),
       Ok(1, After::Four), Ok(1), std::array<Outcome, 3>{Ok(1), Ok(1), Ok(1)}},
      Refused("IDispatch without value", Object(VT_DISPATCH, &objects.withoutDefault)),
      Refused("IDispatch null", [](VARIANT& v) { v.vt = VT_DISPATCH; }),
      Refused("IUnknown", Object(VT_UNKNOWN, &objects.withoutDefault)),
      Refused("SAFEARRAY of I2",
              [](VARIANT& v) { v.vt = VT_ARRAY | VT_I2; v.parray = ArrayOf(VT_I2); }),
      Refused("SAFEARRAY of VARIANT",
              [](VARIANT& v) { v.vt = VT_ARRAY | VT_VARIANT; v.parray = ArrayOf(VT_VARIANT); }),
  };
  return samples;
}

bool SameVariant(const VARIANT& a, const VARIANT& b) {
  if (a.vt != b.vt) return false;
  switch (a.vt) {
    case VT_EMPTY: case VT_NULL: return true;
    case VT_BSTR: {
      const UINT length = a.bstrVal ? ::SysStringLen(a.bstrVal) : 0;
      const UINT other = b.bstrVal ? ::SysStringLen(b.bstrVal) : 0;
      return length == other &&
             (!length || std::memcmp(a.bstrVal, b.bstrVal, length * sizeof(OLECHAR)) == 0);
    }
    case VT_DECIMAL:
      return a.decVal.Hi32 == b.decVal.Hi32 && a.decVal.Lo64 == b.decVal.Lo64 &&
             a.decVal.signscale == b.decVal.signscale;
    default:
      return a.llVal == b.llVal;  // numbers, pointers to objects and arrays
  }
}

std::string HresultName(HRESULT hr) {
  switch (hr) {
    case S_OK: return "S_OK";
    case DISP_E_TYPEMISMATCH: return "DISP_E_TYPEMISMATCH";
    case DISP_E_OVERFLOW: return "DISP_E_OVERFLOW";
    case DISP_E_PARAMNOTOPTIONAL: return "DISP_E_PARAMNOTOPTIONAL";
    case DISP_E_BADPARAMCOUNT: return "DISP_E_BADPARAMCOUNT";
    case DISP_E_NONAMEDARGS: return "DISP_E_NONAMEDARGS";
    case DISP_E_PARAMNOTFOUND: return "DISP_E_PARAMNOTFOUND";
    case DISP_E_MEMBERNOTFOUND: return "DISP_E_MEMBERNOTFOUND";
    case DISP_E_EXCEPTION: return "DISP_E_EXCEPTION";
    case E_INVALIDARG: return "E_INVALIDARG";
    case E_POINTER: return "E_POINTER";
    case E_OUTOFMEMORY: return "E_OUTOFMEMORY";
  }
  std::ostringstream text;
  text << "0x" << std::hex << static_cast<unsigned long>(hr);
  return text.str();
}

std::string Describe(const VARIANT& value) {
  std::ostringstream text;
  text << "vt " << value.vt;
  VARIANT copy;
  ::VariantInit(&copy);
  if (value.vt == VT_BSTR && value.bstrVal && ::SysStringLen(value.bstrVal) > 20) {
    text << " (" << ::SysStringLen(value.bstrVal) << " chars)";
  } else if (SUCCEEDED(::VariantChangeType(&copy, const_cast<VARIANT*>(&value), 0, VT_BSTR))) {
    text << " \"";
    for (UINT i = 0; copy.bstrVal && i < ::SysStringLen(copy.bstrVal); ++i) {
      const OLECHAR c = copy.bstrVal[i];
      if (c >= 0x20 && c < 0x7f) text << static_cast<char>(c);
      else text << "\\u" << std::hex << static_cast<unsigned>(c) << std::dec;
    }
    text << "\"";
  }
  ::VariantClear(&copy);
  return text.str();
}

VARIANT PassedAs(VARIANT& variable, Mode mode) {
  if (mode == Mode::Value) return variable;
  if (mode == Mode::Variant) return Reference(&variable);
  VARIANT passed;
  ::VariantInit(&passed);
  passed.vt = VT_BYREF | variable.vt;
  passed.byref = variable.vt == VT_DECIMAL ? static_cast<void*>(&variable.decVal)
                                           : static_cast<void*>(&variable.llVal);
  return passed;
}

}  // namespace com_testing
