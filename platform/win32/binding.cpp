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

}  // namespace platform::win32
