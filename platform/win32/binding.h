// Binding of system functions by name, on their first call.
#pragma once

#include "platform/types.h"

namespace platform::win32 {

inline constexpr char kAdvapi32[] = "advapi32.dll";
inline constexpr char kKernel32[] = "kernel32";

// Loads the library and looks up the entry point; raises BindingError naming
// both when either is missing. Libraries stay loaded for the process's life:
// the system's own libraries are never unloaded anyway.
FARPROC BindEntryPoint(const char* library, const char* entryPoint);
// The same, from the first library when it has the entry point and from the
// second otherwise; the error, when neither has it, names the first.
FARPROC BindEntryPoint(const char* library, const char* fallback, const char* entryPoint);

// The entry point as a typed function pointer. Each platform function keeps
// the result in a function-local static, so the look-up runs once; a failed
// look-up throws, leaves the static unset and is tried again on the next call.
template <typename Function>
Function Bind(const char* library, const char* entryPoint) {
  return reinterpret_cast<Function>(
      reinterpret_cast<void (*)()>(BindEntryPoint(library, entryPoint)));
}
template <typename Function>
Function Bind(const char* library, const char* fallback, const char* entryPoint) {
  return reinterpret_cast<Function>(
      reinterpret_cast<void (*)()>(BindEntryPoint(library, fallback, entryPoint)));
}

}  // namespace platform::win32
