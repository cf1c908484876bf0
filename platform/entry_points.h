// Where the system's functions live: each library's name, written once, and
// one macro that names an entry point by its library and its identifier. The
// real bindings bind through it, the simulated machine records and fails
// calls by it, and the tests remove entry points with it.
#pragma once

namespace platform {

namespace libraries {
inline constexpr char kAdvapi32[] = "advapi32.dll";
inline constexpr char kKernel32[] = "kernel32";
inline constexpr char kUser32[] = "user32.dll";
inline constexpr char kGdi32[] = "gdi32.dll";
inline constexpr char kMsi[] = "msi.dll";
// OLE Automation, and the OLE controls library that on Windows NT 4.0 may
// hold its picture loader and property frame instead.
inline constexpr char kOleAut32[] = "oleaut32.dll";
inline constexpr char kOlePro32[] = "olepro32.dll";
}  // namespace libraries

struct EntryPoint {
  const char* library;
  const char* name;
};

}  // namespace platform

// The entry point FUNCTION of the library LIB (a name in platform::libraries):
// PLATFORM_ENTRY_POINT(kAdvapi32, RegOpenKeyExA). The identifier is expanded
// first, so a name that windows.h maps to another (SetWindowLongPtrA on
// 32-bit Windows) names the entry point it maps to.
#define PLATFORM_ENTRY_POINT(lib, function) PLATFORM_ENTRY_POINT_NAMED(lib, function)
#define PLATFORM_ENTRY_POINT_NAMED(lib, function) \
  (::platform::EntryPoint{::platform::libraries::lib, #function})
