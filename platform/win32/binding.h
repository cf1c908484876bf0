// Binding of system functions by name, on their first call.
#pragma once

#include "platform/entry_points.h"
#include "platform/types.h"

namespace platform::win32 {

// Loads the library and looks up the entry point; raises BindingError naming
// both when either is missing. Libraries stay loaded for the process's life:
// the system's own libraries are never unloaded anyway.
FARPROC BindEntryPoint(EntryPoint entryPoint);
// The same, from the entry point's library when it has it and from the
// fallback otherwise; the error, when neither has it, names the first.
FARPROC BindEntryPoint(EntryPoint entryPoint, const char* fallback);

template <typename Function, typename... Fallback>
Function Bind(EntryPoint entryPoint, Fallback... fallback) {
  return reinterpret_cast<Function>(
      reinterpret_cast<void (*)()>(BindEntryPoint(entryPoint, fallback...)));
}

}  // namespace platform::win32

// The system function FUNCTION of LIB as a typed pointer, looked up on the
// first call that reaches this place and kept for the later ones:
//   return PLATFORM_BIND(kAdvapi32, RegCloseKey)(key);
// Its type is windows.h's declaration of FUNCTION. A fallback library may
// follow (PLATFORM_BIND(kOleAut32, OleLoadPicture, kOlePro32)). A failed
// look-up throws, keeps nothing and is tried again on the next call.
#define PLATFORM_BIND(lib, function, ...) \
  PLATFORM_BIND_AS(decltype(&::function), lib, function __VA_OPT__(, ) __VA_ARGS__)
// The same with the function's type given, for an entry point windows.h
// does not declare as a function.
#define PLATFORM_BIND_AS(Function, lib, function, ...)                                          \
  ([] {                                                                                         \
    static const auto bound = ::platform::win32::Bind<Function>(                                \
        PLATFORM_ENTRY_POINT(lib, function) __VA_OPT__(, ::platform::libraries::) __VA_ARGS__); \
    return bound;                                                                               \
  }())
