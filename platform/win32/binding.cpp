#include "platform/win32/binding.h"

#include "platform/errors.h"

namespace platform::win32 {

FARPROC BindEntryPoint(const char* library, const char* entryPoint) {
  HMODULE module = ::LoadLibraryA(library);
  if (!module) throw BindingError(ErrorNumber::LibraryNotFound, library, entryPoint);
  FARPROC address = ::GetProcAddress(module, entryPoint);
  if (!address) throw BindingError(ErrorNumber::EntryPointNotFound, library, entryPoint);
  return address;
}

FARPROC BindEntryPoint(const char* library, const char* fallback, const char* entryPoint) {
  try {
    return BindEntryPoint(library, entryPoint);
  } catch (const BindingError&) {
    try {
      return BindEntryPoint(fallback, entryPoint);
    } catch (const BindingError&) {
    }
    throw;
  }
}

}  // namespace platform::win32
