// Errors at the COM boundary. Inside, errors are exceptions; every COM method
// runs its body through Boundary, which turns whatever escaped into an
// HRESULT and an error object whose source is "Scribbet".
#pragma once

#include <objbase.h>
#include <oaidl.h>

#include <string>

namespace scribbet::com {

// A failure that already is an HRESULT (a null pointer, a refused argument).
class ComError : public std::exception {
 public:
  explicit ComError(HRESULT hr) : hr_(hr) {}
  HRESULT hr() const noexcept { return hr_; }
  const char* what() const noexcept override { return "COM error"; }

 private:
  HRESULT hr_;
};

inline void ThrowIfFailed(HRESULT hr) {
  if (FAILED(hr)) throw ComError(hr);
}

struct ErrorDescription {
  HRESULT hr;
  std::wstring description;
};

// What the exception in flight means for a caller. Call inside a catch block.
ErrorDescription DescribeCurrentError() noexcept;

// Records the error for GetErrorInfo (source "Scribbet") and returns its HRESULT.
HRESULT ReportError(const ErrorDescription& error, REFIID iid) noexcept;

// Fills an EXCEPINFO the way Automation callers read it.
void FillExcepInfo(EXCEPINFO* info, const ErrorDescription& error) noexcept;

template <typename Body>
HRESULT Boundary(REFIID iid, Body&& body) noexcept {
  try {
    return body();
  } catch (...) {
    return ReportError(DescribeCurrentError(), iid);
  }
}

}  // namespace scribbet::com
