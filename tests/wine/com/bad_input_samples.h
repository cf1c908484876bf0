// The values a caller can put into a VARIANT, each with what WriteEvent
// makes of it as text (the message, the source name) and as a 16-bit event
// type. Numbers are 3 where the type allows, so as an event type they ask
// for an information entry.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "tests/wine/com/value_object.h"

namespace com_testing {

struct Sample {
  std::string label;
  std::function<void(VARIANT&)> fill;  // into a VT_EMPTY VARIANT
  HRESULT asText;
  HRESULT asType;
  short typeValue = 0;      // when asType is S_OK
  bool emptyText = false;   // as text it is the empty text
  bool changesText = false; // its text does not survive the ANSI code page
  bool missing = false;     // the mark of an omitted optional argument
  bool overLong = false;    // as the message: too long for one entry, result 0
};

// The objects the object samples point at; they outlive every sample.
struct SampleObjects {
  ValueObject withDefault{short{3}};
  ValueObject withoutDefault{std::nullopt};
};

std::vector<Sample> AllSamples(SampleObjects& objects);

// How a caller hands its variable over: by value, as a typed reference
// (VT_BYREF | its type), or as a reference to the VARIANT, as VBScript does.
enum class Mode { Value, Typed, Variant };

// The argument that passes variable in that mode; it refers to variable,
// which must outlive it.
VARIANT PassedAs(VARIANT& variable, Mode mode);

// A deep copy of a VARIANT for comparing afterwards, and the comparison:
// same type and same value (strings by content, objects and arrays by
// identity).
bool SameVariant(const VARIANT& a, const VARIANT& b);

std::string HresultName(HRESULT hr);
std::string Describe(const VARIANT& value);  // type and a short value

}  // namespace com_testing
