#include "control/com/com_error.h"

#include <new>

#include "control/com/owners.h"
#include "platform/ansi.h"
#include "platform/errors.h"
#include "scribbet_names.h"

namespace scribbet::com {

namespace {

const wchar_t kSource[] = L"" SCRIBBET_PRODUCT;

std::wstring Wide(const char* text) {
  const std::u16string wide = platform::FromAnsi(text);
  return std::wstring(wide.begin(), wide.end());
}

}  // namespace

ErrorDescription DescribeCurrentError() noexcept {
  try {
    throw;
  } catch (const ComError& error) {
    return {error.hr(), L""};
  } catch (const platform::RuntimeError& error) {
    // Run-time errors carry their number in the control facility, where
    // Automation callers expect them (0x800A0000 plus the number).
    const int number = static_cast<int>(error.number());
    try {
      return {MAKE_HRESULT(SEVERITY_ERROR, FACILITY_CONTROL, number), Wide(error.what())};
    } catch (...) {
      return {MAKE_HRESULT(SEVERITY_ERROR, FACILITY_CONTROL, number), L""};
    }
  } catch (const std::bad_alloc&) {
    return {E_OUTOFMEMORY, L""};
  } catch (...) {
    return {E_UNEXPECTED, L""};
  }
}

HRESULT ReportError(const ErrorDescription& error, REFIID iid) noexcept {
  ComPtr<ICreateErrorInfo> create;
  if (FAILED(::CreateErrorInfo(&create))) return error.hr;
  create->SetGUID(iid);
  create->SetSource(const_cast<LPOLESTR>(kSource));
  create->SetDescription(const_cast<LPOLESTR>(error.description.c_str()));
  ComPtr<IErrorInfo> info;
  if (SUCCEEDED(create.As(&info))) ::SetErrorInfo(0, info.Get());
  return error.hr;
}

void FillExcepInfo(EXCEPINFO* info, const ErrorDescription& error) noexcept {
  if (!info) return;
  *info = EXCEPINFO{};
  info->bstrSource = ::SysAllocString(kSource);
  info->bstrDescription = ::SysAllocString(error.description.c_str());
  info->scode = error.hr;
}

}  // namespace scribbet::com
