// When the module may go, several apartments at once, and a real container.
#include "tests/wine/com/com_support.h"

#include <atomic>
#include <functional>
#include <vector>

#include "tests/support/machine.h"
#include "tests/support/sentinels.h"
#include "tests/support/threads.h"

using namespace com_testing;

namespace {

// An interface no object of the control has.
constexpr IID kNoSuchInterface = {0x5c1b0e57, 0x0d2a, 0x4e4f, {0x9b, 0x61, 0x3f, 0x0a, 0x4d, 0x77, 0x21, 0xc8}};
void* const kSentinel = reinterpret_cast<void*>(static_cast<ULONG_PTR>(testing_support::kUnwritten));

ComPtr<IUnknown> Query(IUnknown* object, REFIID iid) {
  ComPtr<IUnknown> out;
  EXPECT_EQ(object->QueryInterface(iid, reinterpret_cast<void**>(out.GetAddressOf())), S_OK);
  return out;
}

ComPtr<IClassFactory> FactoryOf(REFCLSID clsid) {
  ComPtr<IClassFactory> factory;
  EXPECT_EQ(::CoGetClassObject(clsid, CLSCTX_INPROC_SERVER, nullptr, IID_IClassFactory,
                               reinterpret_cast<void**>(factory.GetAddressOf())),
            S_OK);
  return factory;
}

}  // namespace

// What Wine's tests ask of every COM object: each of its interfaces leads to
// one and the same IUnknown, and an interface it lacks is refused with
// E_NOINTERFACE and a cleared out-pointer, from whichever interface is asked.
TEST(Identity, EveryInterfaceGivesTheSameUnknownAndRefusesOthers) {
  struct Object {
    const char* what;
    std::function<ComPtr<IUnknown>()> make;
    std::vector<IID> interfaces;
  };
  const auto point = [](bool list) -> ComPtr<IUnknown> {
    ComPtr<IConnectionPointContainer> container;
    EXPECT_EQ(CreateControl().As(&container), S_OK);
    ComPtr<IUnknown> out;
    if (list) {
      EXPECT_EQ(container->EnumConnectionPoints(
                    reinterpret_cast<IEnumConnectionPoints**>(out.GetAddressOf())), S_OK);
    } else {
      EXPECT_EQ(container->FindConnectionPoint(
                    DIID___Scribbet, reinterpret_cast<IConnectionPoint**>(out.GetAddressOf())), S_OK);
    }
    return out;
  };
  const Object objects[] = {
      {"control", [] { return ComPtr<IUnknown>(CreateControl()); },
       {IID__Scribbet, IID_IDispatch, IID_IProvideClassInfo, IID_IProvideClassInfo2,
        IID_ISpecifyPropertyPages, IID_ISupportErrorInfo, IID_IConnectionPointContainer,
        IID_IOleObject, IID_IOleControl, IID_IOleWindow, IID_IOleInPlaceObject, IID_IViewObject,
        IID_IViewObject2, IID_IPersist, IID_IPersistStreamInit, IID_IPersistPropertyBag}},
      {"property page",
       [] {
         ComPtr<IUnknown> page;
         EXPECT_EQ(::CoCreateInstance(CLSID_AboutProperty, nullptr, CLSCTX_INPROC_SERVER,
                                      IID_IUnknown, reinterpret_cast<void**>(page.GetAddressOf())),
                   S_OK);
         return page;
       },
       {IID_IPropertyPage, IID__AboutProperty, IID_IDispatch}},
      {"class factory", [] { return ComPtr<IUnknown>(FactoryOf(CLSID_Scribbet)); },
       {IID_IClassFactory}},
      {"connection point", [&] { return point(false); }, {IID_IConnectionPoint}},
      {"connection point list", [&] { return point(true); }, {IID_IEnumConnectionPoints}},
  };
  for (const Object& object : objects) {
    SCOPED_TRACE(object.what);
    const ComPtr<IUnknown> made = object.make();
    ASSERT_TRUE(made);
    const ComPtr<IUnknown> identity = Query(made.Get(), IID_IUnknown);
    for (const IID& iid : object.interfaces) {
      SCOPED_TRACE(GuidText(iid));
      const ComPtr<IUnknown> through = Query(made.Get(), iid);
      ASSERT_TRUE(through);
      EXPECT_EQ(Query(through.Get(), IID_IUnknown).Get(), identity.Get());
      void* none = kSentinel;
      EXPECT_EQ(through->QueryInterface(kNoSuchInterface, &none), E_NOINTERFACE);
      EXPECT_EQ(none, nullptr);
    }
  }
}

TEST(Identity, AggregationIsRefused) {
  const ComPtr<IUnknown> outer(CreateControl());
  for (const CLSID& clsid : {CLSID_Scribbet, CLSID_AboutProperty}) {
    SCOPED_TRACE(GuidText(clsid));
    void* made = kSentinel;
    EXPECT_EQ(FactoryOf(clsid)->CreateInstance(outer.Get(), IID_IUnknown, &made),
              CLASS_E_NOAGGREGATION);
    EXPECT_EQ(made, nullptr);
    made = kSentinel;
    EXPECT_EQ(::CoCreateInstance(clsid, outer.Get(), CLSCTX_INPROC_SERVER, IID_IUnknown, &made),
              CLASS_E_NOAGGREGATION);
    EXPECT_EQ(made, nullptr);
  }
}

TEST(Lifetime, CanUnloadOnlyWithoutObjectsAndLocks) {
  EXPECT_EQ(CanUnloadNow(), S_OK);
  {
    auto control = CreateControl();
    EXPECT_EQ(CanUnloadNow(), S_FALSE);
  }
  EXPECT_EQ(CanUnloadNow(), S_OK);
  ComPtr<IClassFactory> factory;
  ASSERT_EQ(::CoGetClassObject(CLSID_Scribbet, CLSCTX_INPROC_SERVER, nullptr, IID_IClassFactory,
                               reinterpret_cast<void**>(factory.GetAddressOf())),
            S_OK);
  EXPECT_EQ(factory->LockServer(TRUE), S_OK);
  EXPECT_EQ(CanUnloadNow(), S_FALSE);
  EXPECT_EQ(factory->LockServer(FALSE), S_OK);
  EXPECT_EQ(CanUnloadNow(), S_OK);
  {
    ComPtr<IPropertyPage> page;
    factory.Reset();
    ASSERT_EQ(::CoCreateInstance(CLSID_AboutProperty, nullptr, CLSCTX_INPROC_SERVER,
                                 IID_IPropertyPage, reinterpret_cast<void**>(page.GetAddressOf())),
              S_OK);
    EXPECT_EQ(CanUnloadNow(), S_FALSE);
  }
  EXPECT_EQ(CanUnloadNow(), S_OK);
}

TEST(Lifetime, ApartmentsOnSeveralThreadsAtOnce) {
  constexpr int kWriters = 4, kCalls = 150;
  std::atomic<int> wrong{0}, done{0};
  std::atomic<bool> stop{false};
  std::vector<testing_support::Thread> threads;
  for (int t = 0; t < kWriters; ++t) {
    threads.emplace_back([&, t] {
      ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
      {
        ComPtr<_Scribbet> controls[2] = {CreateControl(), CreateControl()};
        const std::u16string name = testing_support::UniqueName(u"thread");
        for (int i = 0; i < kCalls; ++i) {
          const std::wstring text = L"thread " + std::to_wstring(t) + L" call " + std::to_wstring(i);
          auto message = Bstr(text.c_str());
          auto source = Bstr(std::wstring(name.begin(), name.end()).c_str());
          short type = static_cast<short>(1 + i % 4), result = -1;  // 4 is refused
          const short expectedType = type == 3 ? 4 : type;
          const HRESULT hr = controls[i % 2]->WriteEvent(message.addressof(), &type,
                                                         source.addressof(), &result);
          if (hr != S_OK || result != (i % 4 == 3 ? 0 : 1) || type != expectedType ||
              Text(message.get()) != text)
            ++wrong;
        }
      }
      ++done;
      ::CoUninitialize();
    });
  }
  // Meanwhile other apartments keep making and dropping controls.
  for (int t = 0; t < 2; ++t) {
    threads.emplace_back([&] {
      ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
      while (!stop) CreateControl();
      ::CoUninitialize();
    });
  }
  for (int t = 0; t < kWriters; ++t) threads[t].join();
  stop = true;
  for (auto& thread : threads)
    if (thread.joinable()) thread.join();
  EXPECT_EQ(done, kWriters);
  EXPECT_EQ(wrong, 0);
  EXPECT_EQ(CanUnloadNow(), S_OK);
}

// Wine's ActiveX host window (atl.dll): created by ProgID, used through the
// host's IUnknown, destroyed with its window.
TEST(Lifetime, HostedInAtlAxWin) {
  HMODULE atl = ::LoadLibraryA("atl.dll");
  ASSERT_TRUE(atl);
  auto init = reinterpret_cast<BOOL(WINAPI*)()>(
      reinterpret_cast<void (*)()>(::GetProcAddress(atl, "AtlAxWinInit")));
  auto getControl = reinterpret_cast<HRESULT(WINAPI*)(HWND, IUnknown**)>(
      reinterpret_cast<void (*)()>(::GetProcAddress(atl, "AtlAxGetControl")));
  ASSERT_TRUE(init && getControl);
  ASSERT_TRUE(init());
  HWND form = ::CreateWindowExA(0, "STATIC", "form", WS_OVERLAPPEDWINDOW, 0, 0, 300, 200, nullptr,
                                nullptr, nullptr, nullptr);
  ASSERT_TRUE(form);
  HWND host = ::CreateWindowExA(0, "AtlAxWin", "ScribbetLib.Scribbet", WS_CHILD | WS_VISIBLE, 10,
                                10, 35, 34, form, nullptr, nullptr, nullptr);
  ASSERT_TRUE(host);
  {
    ComPtr<IUnknown> unknown;
    ASSERT_EQ(getControl(host, &unknown), S_OK);
    ComPtr<_Scribbet> control;
    ASSERT_EQ(unknown.As(&control), S_OK);
    EXPECT_EQ(CanUnloadNow(), S_FALSE);
    auto message = Bstr(L"hosted in AtlAxWin"), name = Bstr(L"");
    short type = 2, result = testing_support::Unwritten<short>();
    EXPECT_EQ(control->WriteEvent(message.addressof(), &type, name.addressof(), &result), S_OK);
    EXPECT_EQ(result, 1);
    EXPECT_EQ(Text(name.get()), L"Scribbet");
    // Invisible at run time: the host has nothing of the control to show.
    ComPtr<IOleInPlaceObject> inPlace;
    ASSERT_EQ(unknown.As(&inPlace), S_OK);
    auto own = testing_support::Unwritten<HWND>();
    EXPECT_EQ(inPlace->GetWindow(&own), E_FAIL);
    EXPECT_EQ(own, nullptr);
  }
  ::DestroyWindow(form);
  MSG msg;
  while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) ::DispatchMessageA(&msg);
  EXPECT_EQ(CanUnloadNow(), S_OK);
}
