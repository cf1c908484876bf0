#include "tests/wine/com/bad_input_samples.h"

#include "tests/wine/com/dispatch_call.h"

#include <oleauto.h>

#include <cstring>
#include <sstream>

namespace com_testing {

namespace {

Sample Number(const char* label, VARTYPE type, std::function<void(VARIANT&)> set) {
  return {label, [type, set](VARIANT& v) { v.vt = type; set(v); }, S_OK, S_OK, 3};
}

Sample Text(const char* label, std::wstring text, HRESULT asType, short typeValue = 0) {
  Sample sample{label,
                [text](VARIANT& v) {
                  v.vt = VT_BSTR;
                  v.bstrVal = ::SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
                },
                S_OK, asType, typeValue};
  return sample;
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
  constexpr HRESULT kMismatch = DISP_E_TYPEMISMATCH;
  std::vector<Sample> samples;
  Sample empty{"empty", [](VARIANT&) {}, S_OK, S_OK, 0};
  empty.emptyText = true;
  samples.push_back(empty);
  samples.push_back({"null", [](VARIANT& v) { v.vt = VT_NULL; }, kMismatch, kMismatch});
  samples.push_back(Number("I1 3", VT_I1, [](VARIANT& v) { v.cVal = 3; }));
  samples.push_back(Number("UI1 3", VT_UI1, [](VARIANT& v) { v.bVal = 3; }));
  samples.push_back(Number("I2 3", VT_I2, [](VARIANT& v) { v.iVal = 3; }));
  samples.push_back(Number("UI2 3", VT_UI2, [](VARIANT& v) { v.uiVal = 3; }));
  samples.push_back(Number("I4 3", VT_I4, [](VARIANT& v) { v.lVal = 3; }));
  samples.push_back(Number("UI4 3", VT_UI4, [](VARIANT& v) { v.ulVal = 3; }));
  samples.push_back(Number("INT 3", VT_INT, [](VARIANT& v) { v.intVal = 3; }));
  samples.push_back(Number("UINT 3", VT_UINT, [](VARIANT& v) { v.uintVal = 3; }));
  samples.push_back(Number("I8 3", VT_I8, [](VARIANT& v) { v.llVal = 3; }));
  samples.push_back(Number("UI8 3", VT_UI8, [](VARIANT& v) { v.ullVal = 3; }));
  samples.push_back(Number("R4 3", VT_R4, [](VARIANT& v) { v.fltVal = 3.0f; }));
  samples.push_back(Number("R8 3", VT_R8, [](VARIANT& v) { v.dblVal = 3.0; }));
  samples.push_back(Number("CY 3", VT_CY, [](VARIANT& v) { v.cyVal.int64 = 30000; }));
  samples.push_back(Number("DATE 3", VT_DATE, [](VARIANT& v) { v.date = 3.0; }));
  samples.push_back(Number("DECIMAL 3", VT_DECIMAL, [](VARIANT& v) {
    v.decVal.Lo64 = 3;
    v.vt = VT_DECIMAL;  // the DECIMAL's first field shares the type's place
  }));
  samples.push_back(Number("BOOL true", VT_BOOL, [](VARIANT& v) { v.boolVal = VARIANT_TRUE; }));
  samples.back().typeValue = -1;
  samples.push_back(Number("I4 70000", VT_I4, [](VARIANT& v) { v.lVal = 70000; }));
  samples.back().asType = DISP_E_OVERFLOW;
  samples.push_back(Number("R8 1e300", VT_R8, [](VARIANT& v) { v.dblVal = 1e300; }));
  samples.back().asType = DISP_E_OVERFLOW;
  samples.push_back({"ERROR E_FAIL", [](VARIANT& v) { v.vt = VT_ERROR; v.scode = E_FAIL; },
                     kMismatch, kMismatch});
  Sample missing{"ERROR missing",
                 [](VARIANT& v) { v.vt = VT_ERROR; v.scode = DISP_E_PARAMNOTFOUND; },
                 kMismatch, kMismatch};
  missing.missing = true;
  samples.push_back(missing);
  samples.push_back(Text("BSTR \"3\"", L"3", S_OK, 3));
  Sample nullText{"BSTR null", [](VARIANT& v) { v.vt = VT_BSTR; }, S_OK, kMismatch};
  nullText.emptyText = true;
  samples.push_back(nullText);
  samples.push_back(Text("BSTR embedded NULs", std::wstring(L"a\0b\0c", 5), kMismatch));
  samples.push_back(Text("BSTR 10,000,000 chars", std::wstring(10'000'000, L'x'), kMismatch));
  samples.back().overLong = true;
  samples.push_back(Text("BSTR unpaired surrogates", std::wstring{0xD800, L'x', 0xDC00}, kMismatch));
  samples.back().changesText = true;
  ValueObject* withDefault = &objects.withDefault;
  ValueObject* withoutDefault = &objects.withoutDefault;
  samples.push_back({"IDispatch with value 3",
                     [withDefault](VARIANT& v) {
                       v.vt = VT_DISPATCH;
                       v.pdispVal = withDefault;
                       withDefault->AddRef();
                     },
                     S_OK, S_OK, 3});
  samples.push_back({"IDispatch without value",
                     [withoutDefault](VARIANT& v) {
                       v.vt = VT_DISPATCH;
                       v.pdispVal = withoutDefault;
                       withoutDefault->AddRef();
                     },
                     kMismatch, kMismatch});
  samples.push_back({"IDispatch null", [](VARIANT& v) { v.vt = VT_DISPATCH; }, kMismatch,
                     kMismatch});
  samples.push_back({"IUnknown",
                     [withoutDefault](VARIANT& v) {
                       v.vt = VT_UNKNOWN;
                       v.punkVal = withoutDefault;
                       withoutDefault->AddRef();
                     },
                     kMismatch, kMismatch});
  samples.push_back({"SAFEARRAY of I2",
                     [](VARIANT& v) { v.vt = VT_ARRAY | VT_I2; v.parray = ArrayOf(VT_I2); },
                     kMismatch, kMismatch});
  samples.push_back({"SAFEARRAY of VARIANT",
                     [](VARIANT& v) {
                       v.vt = VT_ARRAY | VT_VARIANT;
                       v.parray = ArrayOf(VT_VARIANT);
                     },
                     kMismatch, kMismatch});
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
