// The soak plan (tests/support/soak_plan.h) in one process, through the
// vtable and through IDispatch. What the process holds must not grow: a
// handle or a message kept per call shows within ten readings. The million
// calls that show slower growth are tools/soak's.
#include <cstdio>
#include <string>

#include "control/Scribbet.h"
#include "tests/support/machine.h"
#include "tests/support/soak_plan.h"
#include "tests/wine/com/com_support.h"
#include "tests/wine/com/dispatch_call.h"
#include "tests/wine/com/process_usage.h"

using namespace com_testing;
using namespace testing_support;

namespace {

constexpr int kWarmUp = 10'000;

std::wstring Wide(const std::u16string& text) { return std::wstring(text.begin(), text.end()); }

}  // namespace

TEST(Soak, TwentyFiveThousandCallsKeepNothing) {
  auto control = CreateControl();
  auto dispatch = Dispatch(control);
  const std::wstring text(kSoakLongest, L'm');
  const std::wstring known[] = {Wide(UniqueName(u"soak")), Wide(UniqueName(u"soak")), L""};
  int wrong = 0;
  const auto call = [&](int i) {
    const SoakCall plan = SoakPlan(i);
    std::wstring source = plan.fresh ? Wide(UniqueName(u"fresh")) : known[i % 3];
    unique_bstr message(::SysAllocStringLen(text.data(), plan.length));
    struct {
      HRESULT hr;
      short result, type;
      std::wstring name;
      UINT length;
    } seen;
    if (i % 2 == 0 || i % 3 == 0) {  // the vtable
      auto name = Bstr(source.c_str());
      short type = plan.type, result = -1;
      const HRESULT hr = control->WriteEvent(message.addressof(), &type, name.addressof(), &result);
      seen = {hr, result, type, Text(name.get()), ::SysStringLen(message.get())};
    } else {  // IDispatch, with variables as VBScript passes them
      Variable messageVar, type(plan.type), name(source.c_str());
      messageVar.vt = VT_BSTR;
      messageVar.bstrVal = message.release();
      Call invoke;
      invoke.arguments = {Reference(&messageVar), Reference(&type), Reference(&name)};
      const HRESULT hr = invoke.Invoke(dispatch.Get());
      seen = {hr, invoke.result.iVal, type.iVal, Text(name.bstrVal),
              ::SysStringLen(messageVar.bstrVal)};
    }
    if (seen.hr != S_OK || seen.result != plan.expectedResult() ||
        seen.type != plan.expectedType() || seen.name != (source.empty() ? L"Scribbet" : source) ||
        seen.length != UINT(plan.length))
      ++wrong;
    // A fresh source is a registry key now; the prefix need not keep it.
    if (plan.fresh)
      DeleteKey(scribbet::SourceKeyPath(std::u16string(source.begin(), source.end())));
  };
  // The first calls load what stays loaded for the process's life and grow
  // the heap to the size that calls of every length need.
  for (int i = 0; i < kWarmUp; ++i) call(i);
  const ProcessUsage before = ProcessUsage::Now();
  std::printf("%7s | %s\n%7d | %s\n", "calls", "usage", 0, before.Describe().c_str());
  ProcessUsage last = before;
  for (int i = 0; i < kSoakCalls; ++i) {
    call(i);
    if ((i + 1) % kSoakReadEvery == 0) {
      last = ProcessUsage::Now();
      std::printf("%7d | %s\n", i + 1, last.Describe().c_str());
      ExpectNoGrowth(before, last, 16, 4u << 20, "after " + std::to_string(i + 1) + " calls");
    }
  }
  EXPECT_EQ(wrong, 0);
  std::printf(
      "growth: %ld handles, %lld bytes\n", long(last.handles) - long(before.handles),
      static_cast<long long>(last.privateBytes) - static_cast<long long>(before.privateBytes));
}
