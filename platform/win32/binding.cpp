#include "platform/win32/binding.h"

#include "platform/errors.h"

namespace platform::win32 {

FARPROC BindEntryPoint(EntryPoint entryPoint) {
  HMODULE module = ::LoadLibraryA(entryPoint.library);
  if (!module)
    throw BindingError(ErrorNumber::LibraryNotFound, entryPoint.library, entryPoint.name);
  FARPROC address = ::GetProcAddress(module, entryPoint.name);
  if (!address)
    throw BindingError(ErrorNumber::EntryPointNotFound, entryPoint.library, entryPoint.name);
  return address;
}

FARPROC BindEntryPoint(EntryPoint entryPoint, const char* fallback) {
  try {
    return BindEntryPoint(entryPoint);
  } catch (const BindingError&) {
    try {
      return BindEntryPoint(EntryPoint{fallback, entryPoint.name});
    } catch (const BindingError&) {
    }
    throw;
  }
}

}  // namespace platform::win32
