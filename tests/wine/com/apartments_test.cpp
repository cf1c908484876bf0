// Eight apartments writing at once, 2,500 calls each, each with its own
// controls, while other apartments keep making and dropping controls. Enough
// calls for every writer to meet the churners many times over; the long
// runs are tools/soak's.
#include <atomic>
#include <cstdio>
#include <vector>

#include "tests/support/machine.h"
#include "tests/support/threads.h"
#include "tests/wine/com/com_support.h"

using namespace com_testing;

namespace {

constexpr int kWriters = 8, kCallsEach = 2'500, kChurners = 2;

// Counts of one writer: calls made and calls whose outcome was wrong.
struct Tally {
  std::atomic<int> calls{0}, wrong{0};
};

void Write(int writer, Tally& tally) {
  ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  {
    ComPtr<_Scribbet> controls[2] = {CreateControl(), CreateControl()};
    const std::u16string stem = testing_support::UniqueName(u"apartment");
    const std::wstring source(stem.begin(), stem.end());
    for (int i = 0; i < kCallsEach; ++i) {
      const std::wstring text = L"apartment " + std::to_wstring(writer) + L" call " +
                                std::to_wstring(i) + std::wstring(i % 200, L'.');
      auto message = Bstr(text.c_str());
      auto name = Bstr(source.c_str());
      short type = static_cast<short>(i % 5), result = -1;  // 0 and 4 are refused
      const short expectedType = type == 3 ? 4 : type;
      const short expectedResult = type >= 1 && type <= 3 ? 1 : 0;
      const HRESULT hr =
          controls[i % 2]->WriteEvent(message.addressof(), &type, name.addressof(), &result);
      ++tally.calls;
      if (hr != S_OK || result != expectedResult || type != expectedType ||
          Text(message.get()) != text || Text(name.get()) != source)
        ++tally.wrong;
    }
  }
  ::CoUninitialize();
}

}  // namespace

TEST(Apartments, EightWritersAtOnceWhileControlsComeAndGo) {
  Tally tally;
  std::atomic<int> made{0};
  std::atomic<bool> stop{false};
  std::vector<testing_support::Thread> writers, churners;
  for (int t = 0; t < kChurners; ++t)
    churners.emplace_back([&] {
      ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
      while (!stop) {
        CreateControl();
        ++made;
      }
      ::CoUninitialize();
    });
  for (int t = 0; t < kWriters; ++t) writers.emplace_back(Write, t, std::ref(tally));
  for (auto& thread : writers) thread.join();
  stop = true;
  for (auto& thread : churners) thread.join();
  std::printf("%d calls in %d apartments, %d wrong; %d controls made and released meanwhile\n",
              tally.calls.load(), kWriters, tally.wrong.load(), made.load());
  EXPECT_EQ(tally.calls, kWriters * kCallsEach);
  EXPECT_EQ(tally.wrong, 0);
  EXPECT_GT(made, 0);
  EXPECT_EQ(CanUnloadNow(), S_OK);
}
