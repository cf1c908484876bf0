#include "platform/errors.h"

namespace platform {

static std::string DescribeBinding(ErrorNumber number, const std::string& library,
                                   const std::string& entryPoint) {
  if (number == ErrorNumber::LibraryNotFound)
    return "Cannot load the library " + library + " to call " + entryPoint;
  return "Cannot find the entry point " + entryPoint + " in " + library;
}

BindingError::BindingError(ErrorNumber number, std::string library, std::string entryPoint)
    : RuntimeError(number, DescribeBinding(number, library, entryPoint)),
      library_(std::move(library)),
      entryPoint_(std::move(entryPoint)) {}

void RaiseOverflow(const char* what) {
  throw RuntimeError(ErrorNumber::Overflow, std::string("Overflow: ") + what);
}

void RaiseInvalidArgument(const char* what) {
  throw RuntimeError(ErrorNumber::InvalidArgument,
                     std::string("Invalid procedure call or argument: ") + what);
}

void RaiseTypeMismatch(const char* what) {
  throw RuntimeError(ErrorNumber::TypeMismatch, std::string("Type mismatch: ") + what);
}

}  // namespace platform
