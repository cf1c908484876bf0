// How a run-time error inside the control reaches a COM caller: a failed
// call, and an error object and EXCEPINFO whose source is "Scribbet" and
// whose description says what failed.
#include "tests/wine/com/com_support.h"

#include <cstring>

#include "control/com/com_error.h"
#include "platform/errors.h"

using namespace com_testing;
using scribbet::com::Boundary;

namespace {

struct Reported {
  HRESULT hr;
  std::wstring source, description;
};

Reported Fail(std::exception_ptr error) {
  ::SetErrorInfo(0, nullptr);
  Reported reported{};
  reported.hr = Boundary(IID__Scribbet, [&]() -> HRESULT { std::rethrow_exception(error); });
  ComPtr<IErrorInfo> info;
  if (::GetErrorInfo(0, &info) == S_OK) {
    BSTR source = nullptr, description = nullptr;
    info->GetSource(&source);
    info->GetDescription(&description);
    reported.source = Text(source);
    reported.description = Text(description);
    ::SysFreeString(source);
    ::SysFreeString(description);
  }
  return reported;
}

}  // namespace

TEST(ErrorBoundary, RunTimeErrorsBecomeControlErrorsWithADescription) {
  struct Binding {
    platform::ErrorNumber number;
    HRESULT hr;
    const wchar_t* description;
  };
  const Binding bindings[] = {
      {platform::ErrorNumber::EntryPointNotFound, static_cast<HRESULT>(0x800A01C5),  // 453
       L"Cannot find the entry point ReportEventA in advapi32.dll"},
      {platform::ErrorNumber::LibraryNotFound, static_cast<HRESULT>(0x800A0030),  // 48
       L"Cannot load the library advapi32.dll to call ReportEventA"},
  };
  for (const Binding& binding : bindings) {
    const Reported missing = Fail(std::make_exception_ptr(
        platform::BindingError(binding.number, "advapi32.dll", "ReportEventA")));
    EXPECT_EQ(missing.hr, binding.hr);
    EXPECT_EQ(missing.source, L"Scribbet");
    EXPECT_EQ(missing.description, binding.description);
  }

  const Reported overflow = Fail(std::make_exception_ptr(platform::RuntimeError(
      platform::ErrorNumber::Overflow, "Overflow: the message is too long")));
  EXPECT_EQ(overflow.hr, static_cast<HRESULT>(0x800A0006));
  EXPECT_EQ(overflow.description, L"Overflow: the message is too long");

  EXPECT_EQ(Fail(std::make_exception_ptr(std::bad_alloc())).hr, E_OUTOFMEMORY);
}

TEST(ErrorBoundary, ExcepInfoForAutomationCallers) {
  EXCEPINFO info;
  std::memset(&info, 0xAB, sizeof info);  // a caller's garbage is overwritten
  scribbet::com::FillExcepInfo(&info, {static_cast<HRESULT>(0x800A01C5), L"what failed"});
  EXPECT_EQ(Text(info.bstrSource), L"Scribbet");
  EXPECT_EQ(Text(info.bstrDescription), L"what failed");
  EXPECT_EQ(info.scode, static_cast<HRESULT>(0x800A01C5));
  EXPECT_EQ(info.wCode, 0);
  ::SysFreeString(info.bstrSource);
  ::SysFreeString(info.bstrDescription);
  ::SysFreeString(info.bstrHelpFile);
}

TEST(ErrorBoundary, ControlSaysItSupportsErrorInformation) {
  auto control = CreateControl();
  ComPtr<ISupportErrorInfo> support;
  ASSERT_EQ(control.As(&support), S_OK);
  EXPECT_EQ(support->InterfaceSupportsErrorInfo(IID__Scribbet), S_OK);
  EXPECT_EQ(support->InterfaceSupportsErrorInfo(IID_IOleObject), S_FALSE);
}
