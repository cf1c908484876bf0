// Run-time errors of the system. Inside the code they travel as exceptions;
// the COM boundary turns them into an HRESULT with a description.
#pragma once

#include <stdexcept>
#include <string>

namespace platform {

// Error numbers as a caller of an Automation component knows them.
enum class ErrorNumber : int {
  InvalidArgument = 5,   // "Invalid procedure call or argument"
  Overflow = 6,
  OutOfMemory = 7,
  TypeMismatch = 13,
  LibraryNotFound = 48,  // "Error in loading DLL"
  FileNotFound = 53,     // a program that cannot be started
  EntryPointNotFound = 453,
};

class RuntimeError : public std::runtime_error {
 public:
  RuntimeError(ErrorNumber number, const std::string& description)
      : std::runtime_error(description), number_(number) {}
  ErrorNumber number() const noexcept { return number_; }

 private:
  ErrorNumber number_;
};

// A system function that could not be bound by name.
class BindingError : public RuntimeError {
 public:
  BindingError(ErrorNumber number, std::string library, std::string entryPoint);
  const std::string& library() const noexcept { return library_; }
  const std::string& entryPoint() const noexcept { return entryPoint_; }

 private:
  std::string library_;
  std::string entryPoint_;
};

[[noreturn]] void RaiseOverflow(const char* what);
[[noreturn]] void RaiseInvalidArgument(const char* what);
[[noreturn]] void RaiseTypeMismatch(const char* what);

}  // namespace platform
