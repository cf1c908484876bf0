// A million WriteEvent calls through IDispatch in one process, run by
// tools/soak (not by the test run). Each argument is drawn at random from
// every kind of value the bad-input tests use, by value, by typed reference
// and by reference to a VARIANT, between plain valid calls. What the process
// holds is read after a warm-up and every 100,000 calls; between the first
// and the last reading it may grow by no more than the stated allowance.
//
//   SCRIBBET_SOAK_SEED   replays the run that printed this seed
//   SCRIBBET_SOAK_CALLS  another number of calls (a shorter look)
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "control/Scribbet.h"
#include "tests/support/machine.h"
#include "tests/wine/com/bad_input_samples.h"
#include "tests/wine/com/com_support.h"
#include "tests/wine/com/dispatch_call.h"
#include "tests/wine/com/process_usage.h"

using namespace com_testing;

namespace {

constexpr long kDefaultCalls = 1'000'000;
constexpr long kReadEvery = 100'000;
constexpr long kWarmUp = 20'000;
// The allowance between the first and the last reading: a few handles the
// system may cache, and 4 MB of heap, far below what one kept message of the
// 10,000,000-character sample (20 MB) or one kept copy per call would show.
constexpr DWORD kHandleAllowance = 16;
constexpr std::uint64_t kByteAllowance = 4u << 20;
// The 10,000,000-character text costs milliseconds to make and to convert:
// it is drawn once in this many times its turn comes up, so the run stays
// a matter of minutes and still meets it a few dozen times.
constexpr int kLongTextOdds = 1000;
// Fresh source names make a registry key each; most calls use known ones.
constexpr int kFreshNameOdds = 100;

long Setting(const char* name, long fallback) {
  const char* text = std::getenv(name);
  return text && *text ? std::strtol(text, nullptr, 10) : fallback;
}

std::wstring Wide(const std::u16string& text) { return {text.begin(), text.end()}; }


// One argument as a caller passes it: the caller's variable and the VARIANT
// in the argument list that stands for it.
struct Argument {
  Variable variable;
  VARIANT passed;

  void Pass(Mode mode) {
    passed = PassedAs(variable, mode);
  }
};

class Soak {
 public:
  explicit Soak(unsigned seed) : random_(seed) {
    for (std::size_t i = 0; i < samples_.size(); ++i)
      if (samples_[i].label == "BSTR 10,000,000 chars") longText_ = i;
    known_ = {Wide(testing_support::UniqueName(u"soak")),
              Wide(testing_support::UniqueName(u"soak")), L""};
  }

  // One call: plain and valid half of the time, else each argument is valid
  // or a drawn sample, in a drawn way of passing it.
  void Call() {
    const bool valid = Draw(2) == 0;
    std::wstring source = Draw(kFreshNameOdds) == 0 ? Wide(testing_support::UniqueName(u"fresh"))
                                                    : known_[Draw(known_.size())];
    Argument arguments[3];
    bool plain = true;
    for (int place = 0; place < 3; ++place) {
      Argument& argument = arguments[place];
      Mode mode = Mode::Variant;  // as VBScript passes a variable
      if (!valid && Draw(3) != 0) {
        samples_[DrawSample()].fill(argument.variable);
        mode = static_cast<Mode>(Draw(3));
        plain = false;
      } else {
        FillValid(argument.variable, place, source);
      }
      argument.Pass(mode);
    }
    com_testing::Call call;
    for (Argument& argument : arguments) call.arguments.push_back(argument.passed);
    const HRESULT hr = call.Invoke(dispatch_.Get());
    ::SysFreeString(call.exception.bstrSource);
    ::SysFreeString(call.exception.bstrDescription);
    ++calls_;
    if (plain) {
      ++plainCalls_;
      if (hr != S_OK || call.result.vt != VT_I2 || call.result.iVal != 1) ++wrong_;
    } else if (hr != S_OK && hr != DISP_E_TYPEMISMATCH && hr != DISP_E_OVERFLOW &&
               hr != DISP_E_PARAMNOTOPTIONAL) {
      ++wrong_;
      if (wrong_ <= 10) std::printf("call %ld: unexpected %s\n", calls_, HresultName(hr).c_str());
    }
    for (Argument& argument : arguments)
      if (::VariantClear(&argument.variable) != S_OK) ++wrong_;
    if (!known(source))
      testing_support::DeleteKey(scribbet::SourceKeyPath(std::u16string(source.begin(), source.end())));
  }

  long wrong() const { return wrong_; }
  long plainCalls() const { return plainCalls_; }

 private:
  std::size_t Draw(std::size_t n) { return std::uniform_int_distribution<std::size_t>(0, n - 1)(random_); }

  std::size_t DrawSample() {
    for (;;) {
      const std::size_t i = Draw(samples_.size());
      if (i != longText_ || Draw(kLongTextOdds) == 0) return i;
    }
  }

  void FillValid(VARIANT& variable, int place, const std::wstring& source) {
    if (place == 1) {
      variable.vt = VT_I2;
      variable.iVal = static_cast<short>(1 + Draw(3));
      return;
    }
    variable.vt = VT_BSTR;
    variable.bstrVal = ::SysAllocString(place == 0 ? L"a million calls" : source.c_str());
  }

  bool known(const std::wstring& source) const {
    for (const std::wstring& name : known_)
      if (name == source) return true;
    return false;
  }

  std::mt19937 random_;
  SampleObjects objects_;
  std::vector<Sample> samples_ = AllSamples(objects_);
  std::size_t longText_ = static_cast<std::size_t>(-1);
  std::vector<std::wstring> known_;
  ComPtr<IDispatch> dispatch_ = Dispatch(CreateControl());
  long calls_ = 0, plainCalls_ = 0, wrong_ = 0;
};

}  // namespace

TEST(MillionCalls, WhatTheProcessHoldsDoesNotGrow) {
  const unsigned seed = static_cast<unsigned>(Setting("SCRIBBET_SOAK_SEED", std::random_device{}()));
  const long total = Setting("SCRIBBET_SOAK_CALLS", kDefaultCalls);
  std::printf("seed %u (SCRIBBET_SOAK_SEED=%u replays this run), %ld calls, %zu-bit\n", seed,
              seed, total, sizeof(void*) * 8);
  // A wine-server request costs several times more when the server runs on
  // another CPU than the program, and the scheduler moves them about.
  std::printf("what compares across runs: handles, bytes and their growth always; calls/s only\n"
              "between runs of the same seed and number of calls with every process on one\n"
              "CPU (tools/soak runs them so; its header gives the affinity and steal time)\n");
  Soak soak(seed);
  // The first calls load what stays loaded for the process's life and grow
  // the heap to the size calls of every kind need.
  for (long i = 0; i < kWarmUp; ++i) soak.Call();
  std::printf("%9s | %8s | %14s | %5s | %5s | %s\n", "calls", "handles", "private bytes", "GDI",
              "USER", "calls/s");
  const auto print = [](long calls, const ProcessUsage& usage, double rate) {
    std::printf("%9ld | %8lu | %14llu | %5lu | %5lu | %.0f\n", calls,
                static_cast<unsigned long>(usage.handles),
                static_cast<unsigned long long>(usage.privateBytes),
                static_cast<unsigned long>(usage.gdiObjects),
                static_cast<unsigned long>(usage.userObjects), rate);
    std::fflush(stdout);
  };
  const long plainInWarmUp = soak.plainCalls();
  const ProcessUsage first = ProcessUsage::Now();
  print(0, first, 0);
  ProcessUsage last = first;
  using Clock = std::chrono::steady_clock;
  const auto start = Clock::now();
  auto stretch = start;
  for (long i = 1; i <= total; ++i) {
    soak.Call();
    if (i % kReadEvery == 0 || i == total) {
      const auto now = Clock::now();
      const long done = i % kReadEvery ? i % kReadEvery : kReadEvery;
      last = ProcessUsage::Now();
      print(i, last, done / std::chrono::duration<double>(now - stretch).count());
      stretch = now;
    }
  }
  const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
  std::printf("%ld calls (%ld plain valid) in %.0f s: %.0f calls/s\n", total,
              soak.plainCalls() - plainInWarmUp,
              seconds, total / seconds);
  std::printf("growth first to last: %ld handles, %lld bytes, %ld GDI, %ld USER "
              "(allowed: %lu handles, %llu bytes, no GDI or USER objects)\n",
              long(last.handles) - long(first.handles),
              static_cast<long long>(last.privateBytes) - static_cast<long long>(first.privateBytes),
              long(last.gdiObjects) - long(first.gdiObjects),
              long(last.userObjects) - long(first.userObjects),
              static_cast<unsigned long>(kHandleAllowance),
              static_cast<unsigned long long>(kByteAllowance));
  ExpectNoGrowth(first, last, kHandleAllowance, kByteAllowance, "first to last reading");
  EXPECT_EQ(soak.wrong(), 0) << "calls with an unexpected outcome";
}
