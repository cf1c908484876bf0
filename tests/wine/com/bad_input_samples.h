// The values a caller can put into a VARIANT, each with what WriteEvent
// makes of it in each of its three places: the message, the event type (a
// number 3 asks for an information entry), the source name.
#pragma once

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "tests/wine/com/value_object.h"

namespace com_testing {

// What a caller's variable passed by reference reads as after the call: as
// it was, 4 (the type reported for 3), "Scribbet" (for an empty name), or
// "?x?" (the text as the ANSI code page gave it back).
enum class After { AsItWas, Four, DefaultName, RoundTrip };

// One call with the sample in one place: its code, and its result.
struct Outcome {
  HRESULT hr;
  short result = 0;
  After after = After::AsItWas;
};

struct Sample {
  std::string label;
  std::function<void(VARIANT&)> fill;  // into a VT_EMPTY VARIANT
  // By value (never written back) or by reference to a VARIANT, as VBScript
  // passes it; and by typed reference (VT_BYREF | its type) where that differs.
  Outcome message, type, name;
  std::optional<std::array<Outcome, 3>> typed = std::nullopt;
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
