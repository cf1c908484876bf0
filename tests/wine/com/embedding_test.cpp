// What containers use: property pages, class information, the event source,
// the OLE object, drawing and persistence.
#include "tests/wine/com/com_support.h"

#include <ocidl.h>
#include <olectl.h>

#include <string>
#include <vector>

#include "control/com/ScribbetControl.h"
#include "control/com/implements.h"

using namespace com_testing;

namespace {

// A sink that counts every call the control makes to it.
class CountingSink : public scribbet::com::Implements<IDispatch> {
 public:
  int calls = 0;
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT*) noexcept override { return ++calls, E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) noexcept override {
    return ++calls, E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) noexcept override {
    return ++calls, E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                                   UINT*) noexcept override {
    return ++calls, S_OK;
  }
};

// A client site whose ambient UserMode says whether the form is designed.
class AmbientSite : public scribbet::com::Implements<IOleClientSite, IDispatch> {
 public:
  explicit AmbientSite(bool userMode) : userMode_(userMode) {}
  HRESULT STDMETHODCALLTYPE SaveObject() noexcept override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetMoniker(DWORD, DWORD, IMoniker**) noexcept override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetContainer(IOleContainer**) noexcept override { return E_NOINTERFACE; }
  HRESULT STDMETHODCALLTYPE ShowObject() noexcept override { return S_OK; }
  HRESULT STDMETHODCALLTYPE OnShowWindow(BOOL) noexcept override { return S_OK; }
  HRESULT STDMETHODCALLTYPE RequestNewObjectLayout() noexcept override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT*) noexcept override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) noexcept override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) noexcept override {
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS*, VARIANT* result,
                                   EXCEPINFO*, UINT*) noexcept override {
    if (id != DISPID_AMBIENT_USERMODE || !result) return DISP_E_MEMBERNOTFOUND;
    result->vt = VT_BOOL;
    result->boolVal = userMode_ ? VARIANT_TRUE : VARIANT_FALSE;
    return S_OK;
  }

 private:
  bool userMode_;
};

// A container's site that records, in order, every call the control makes
// to it; CanInPlaceActivate answers as told.
class RecordingSite : public scribbet::com::Implements<IOleClientSite, IOleInPlaceSite> {
 public:
  std::vector<std::string> calls;
  HRESULT canActivate = S_OK;

  HRESULT STDMETHODCALLTYPE SaveObject() noexcept override { return Record("SaveObject"); }
  HRESULT STDMETHODCALLTYPE GetMoniker(DWORD, DWORD, IMoniker**) noexcept override {
    return Record("GetMoniker", E_NOTIMPL);
  }
  HRESULT STDMETHODCALLTYPE GetContainer(IOleContainer**) noexcept override {
    return Record("GetContainer", E_NOINTERFACE);
  }
  HRESULT STDMETHODCALLTYPE ShowObject() noexcept override { return Record("ShowObject"); }
  HRESULT STDMETHODCALLTYPE OnShowWindow(BOOL) noexcept override { return Record("OnShowWindow"); }
  HRESULT STDMETHODCALLTYPE RequestNewObjectLayout() noexcept override {
    return Record("RequestNewObjectLayout", E_NOTIMPL);
  }
  HRESULT STDMETHODCALLTYPE GetWindow(HWND*) noexcept override { return Record("GetWindow", E_FAIL); }
  HRESULT STDMETHODCALLTYPE ContextSensitiveHelp(BOOL) noexcept override {
    return Record("ContextSensitiveHelp", E_NOTIMPL);
  }
  HRESULT STDMETHODCALLTYPE CanInPlaceActivate() noexcept override {
    return Record("CanInPlaceActivate", canActivate);
  }
  HRESULT STDMETHODCALLTYPE OnInPlaceActivate() noexcept override {
    return Record("OnInPlaceActivate");
  }
  HRESULT STDMETHODCALLTYPE OnUIActivate() noexcept override { return Record("OnUIActivate"); }
  HRESULT STDMETHODCALLTYPE GetWindowContext(IOleInPlaceFrame**, IOleInPlaceUIWindow**, LPRECT,
                                             LPRECT, LPOLEINPLACEFRAMEINFO) noexcept override {
    return Record("GetWindowContext", E_FAIL);
  }
  HRESULT STDMETHODCALLTYPE Scroll(SIZE) noexcept override { return Record("Scroll"); }
  HRESULT STDMETHODCALLTYPE OnUIDeactivate(BOOL) noexcept override {
    return Record("OnUIDeactivate");
  }
  HRESULT STDMETHODCALLTYPE OnInPlaceDeactivate() noexcept override {
    return Record("OnInPlaceDeactivate");
  }
  HRESULT STDMETHODCALLTYPE DiscardUndoState() noexcept override {
    return Record("DiscardUndoState");
  }
  HRESULT STDMETHODCALLTYPE DeactivateAndUndo() noexcept override {
    return Record("DeactivateAndUndo");
  }
  HRESULT STDMETHODCALLTYPE OnPosRectChange(LPCRECT) noexcept override {
    return Record("OnPosRectChange");
  }

 private:
  HRESULT Record(const char* call, HRESULT hr = S_OK) {
    calls.emplace_back(call);
    return hr;
  }
};

// A property page's site: records every call the page makes to it.
class RecordingPageSite : public scribbet::com::Implements<IPropertyPageSite> {
 public:
  std::vector<std::string> calls;
  HRESULT STDMETHODCALLTYPE OnStatusChange(DWORD) noexcept override {
    calls.emplace_back("OnStatusChange");
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetLocaleID(LCID* locale) noexcept override {
    calls.emplace_back("GetLocaleID");
    if (locale) *locale = LOCALE_USER_DEFAULT;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetPageContainer(IUnknown**) noexcept override {
    calls.emplace_back("GetPageContainer");
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE TranslateAccelerator(MSG*) noexcept override {
    calls.emplace_back("TranslateAccelerator");
    return S_FALSE;
  }
};

using Calls = std::vector<std::string>;

template <typename Interface>
ComPtr<Interface> As(const ComPtr<_Scribbet>& control) {
  ComPtr<Interface> out;
  EXPECT_EQ(control.As(&out), S_OK);
  return out;
}

// Draws the control into a white 64 x 64 bitmap; the count of pixels that
// are not white afterwards.
int DrawnPixels(const ComPtr<_Scribbet>& control) {
  HDC screen = ::GetDC(nullptr);
  HDC memory = ::CreateCompatibleDC(screen);
  HBITMAP bitmap = ::CreateCompatibleBitmap(screen, 64, 64);
  ::ReleaseDC(nullptr, screen);
  HGDIOBJ previous = ::SelectObject(memory, bitmap);
  RECT all = {0, 0, 64, 64};
  ::FillRect(memory, &all, static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
  RECTL bounds = {0, 0, 64, 64};
  EXPECT_EQ(As<IViewObject2>(control)->Draw(DVASPECT_CONTENT, -1, nullptr, nullptr, nullptr,
                                            memory, &bounds, nullptr, nullptr, 0),
            S_OK);
  int drawn = 0;
  for (int y = 0; y < 64; y += 2)
    for (int x = 0; x < 64; x += 2) drawn += ::GetPixel(memory, x, y) != RGB(255, 255, 255);
  ::SelectObject(memory, previous);
  ::DeleteObject(bitmap);
  ::DeleteDC(memory);
  return drawn;
}

}  // namespace

TEST(Embedding, OnePropertyPageTheAboutPage) {
  auto control = CreateControl();
  CAUUID pages = {};
  ASSERT_EQ(As<ISpecifyPropertyPages>(control)->GetPages(&pages), S_OK);
  ASSERT_EQ(pages.cElems, 1u);
  EXPECT_TRUE(IsEqualCLSID(pages.pElems[0], CLSID_AboutProperty));
  ::CoTaskMemFree(pages.pElems);

  ComPtr<IPropertyPage> page;
  ASSERT_EQ(::CoCreateInstance(CLSID_AboutProperty, nullptr, CLSCTX_INPROC_SERVER,
                               IID_IPropertyPage, reinterpret_cast<void**>(page.GetAddressOf())),
            S_OK);
  PROPPAGEINFO info = {};
  ASSERT_EQ(page->GetPageInfo(&info), S_OK);
  ASSERT_TRUE(info.pszTitle);
  EXPECT_EQ(std::wstring(info.pszTitle), L"About ...");
  EXPECT_EQ(info.size.cx, 320);
  EXPECT_EQ(info.size.cy, 280);
  ::CoTaskMemFree(info.pszTitle);
  EXPECT_EQ(page->IsPageDirty(), S_FALSE);
}

TEST(Embedding, ClassInformationNamesTheEventInterface) {
  auto control = CreateControl();
  auto classInfo = As<IProvideClassInfo2>(control);
  GUID events = {};
  ASSERT_EQ(classInfo->GetGUID(GUIDKIND_DEFAULT_SOURCE_DISP_IID, &events), S_OK);
  EXPECT_TRUE(IsEqualIID(events, DIID___Scribbet));
  ComPtr<ITypeInfo> coclass;
  ASSERT_EQ(classInfo->GetClassInfo(&coclass), S_OK);
  TYPEATTR* attributes = nullptr;
  ASSERT_EQ(coclass->GetTypeAttr(&attributes), S_OK);
  EXPECT_TRUE(IsEqualCLSID(attributes->guid, CLSID_Scribbet));
  coclass->ReleaseTypeAttr(attributes);
}

TEST(Embedding, EventSinkIsAcceptedAndNeverCalled) {
  auto control = CreateControl();
  auto container = As<IConnectionPointContainer>(control);
  ComPtr<IConnectionPoint> point;
  ASSERT_EQ(container->FindConnectionPoint(DIID___Scribbet, &point), S_OK);
  EXPECT_EQ(container->FindConnectionPoint(IID_IPropertyNotifySink, point.ReleaseAndGetAddressOf()),
            CONNECT_E_NOCONNECTION);
  ComPtr<IEnumConnectionPoints> points;
  ASSERT_EQ(container->EnumConnectionPoints(&points), S_OK);
  ULONG fetched = 0;
  ASSERT_EQ(points->Next(1, point.ReleaseAndGetAddressOf(), &fetched), S_OK);
  IID iid = {};
  ASSERT_EQ(point->GetConnectionInterface(&iid), S_OK);
  EXPECT_TRUE(IsEqualIID(iid, DIID___Scribbet));

  auto* sink = new CountingSink;
  DWORD cookie = 0;
  ASSERT_EQ(point->Advise(sink->Unknown(), &cookie), S_OK);
  EXPECT_NE(cookie, 0u);
  auto message = Bstr(L"with a sink"), name = Bstr(L"");
  short type = 3, result = 0;
  control->WriteEvent(message.addressof(), &type, name.addressof(), &result);
  EXPECT_EQ(result, 1);
  EXPECT_EQ(sink->calls, 0);
  EXPECT_EQ(point->Unadvise(cookie), S_OK);
  EXPECT_EQ(point->Unadvise(cookie), CONNECT_E_NOCONNECTION);
  sink->Release();
}

TEST(Embedding, OleObjectStatusExtentAndVerbs) {
  auto control = CreateControl();
  auto object = As<IOleObject>(control);
  DWORD status = 0;
  ASSERT_EQ(object->GetMiscStatus(DVASPECT_CONTENT, &status), S_OK);
  EXPECT_EQ(status, scribbet::com::kControlMiscStatus);
  EXPECT_TRUE(status & OLEMISC_INVISIBLEATRUNTIME);
  EXPECT_TRUE(status & OLEMISC_NOUIACTIVATE);
  SIZEL extent = {};
  ASSERT_EQ(object->GetExtent(DVASPECT_CONTENT, &extent), S_OK);
  EXPECT_EQ(extent.cx, scribbet::com::kDefaultExtent.cx);
  EXPECT_EQ(extent.cy, scribbet::com::kDefaultExtent.cy);
  SIZEL larger = {2000, 1000};
  ASSERT_EQ(object->SetExtent(DVASPECT_CONTENT, &larger), S_OK);
  ASSERT_EQ(object->GetExtent(DVASPECT_CONTENT, &extent), S_OK);
  EXPECT_EQ(extent.cx, 2000);
  CLSID clsid = {};
  ASSERT_EQ(object->GetUserClassID(&clsid), S_OK);
  EXPECT_TRUE(IsEqualCLSID(clsid, CLSID_Scribbet));
  HWND window = reinterpret_cast<HWND>(1);
  EXPECT_EQ(As<IOleInPlaceObject>(control)->GetWindow(&window), E_FAIL);
  EXPECT_EQ(window, nullptr);
  CONTROLINFO info = {};
  info.cb = sizeof info;
  ASSERT_EQ(As<IOleControl>(control)->GetControlInfo(&info), S_OK);
  EXPECT_EQ(info.cAccel, 0);
  EXPECT_EQ(object->Close(OLECLOSE_NOSAVE), S_OK);
}

TEST(Embedding, DrawsItsPictureOnlyWhileTheFormIsDesigned) {
  auto control = CreateControl();
  auto object = As<IOleObject>(control);
  auto* design = new AmbientSite(false);
  ASSERT_EQ(object->SetClientSite(design), S_OK);
  EXPECT_GT(DrawnPixels(control), 100);
  auto* running = new AmbientSite(true);
  ASSERT_EQ(object->SetClientSite(running), S_OK);
  EXPECT_EQ(DrawnPixels(control), 0);
  object->SetClientSite(nullptr);
  EXPECT_EQ(DrawnPixels(control), 0);  // no ambient properties: running
  design->Release();
  running->Release();
}

TEST(Embedding, PersistsNothingButAnswersEveryContainer) {
  auto control = CreateControl();
  auto stream = As<IPersistStreamInit>(control);
  EXPECT_EQ(stream->InitNew(), S_OK);
  EXPECT_EQ(stream->IsDirty(), S_FALSE);
  ComPtr<IStream> memory;
  ASSERT_EQ(::CreateStreamOnHGlobal(nullptr, TRUE, &memory), S_OK);
  EXPECT_EQ(stream->Save(memory.Get(), TRUE), S_OK);
  EXPECT_EQ(stream->Load(memory.Get()), S_OK);
  CLSID clsid = {};
  EXPECT_EQ(stream->GetClassID(&clsid), S_OK);
  EXPECT_TRUE(IsEqualCLSID(clsid, CLSID_Scribbet));
  auto bag = As<IPersistPropertyBag>(control);
  EXPECT_EQ(bag->InitNew(), S_OK);
}

// The site hears of in-place activation once, after it agreed to it, and of
// deactivation once; a site that refuses hears nothing more.
TEST(Embedding, SiteIsToldOfActivationInOrder) {
  struct Step {
    LONG verb;
    HRESULT canActivate;
    HRESULT hr;
    Calls calls;
  };
  const Step steps[] = {
      {OLEIVERB_INPLACEACTIVATE, S_OK, S_OK, {"CanInPlaceActivate", "OnInPlaceActivate"}},
      {OLEIVERB_SHOW, S_OK, S_OK, {}},  // active already
      {OLEIVERB_HIDE, S_OK, S_OK, {"OnInPlaceDeactivate"}},
      {OLEIVERB_HIDE, S_OK, S_OK, {}},
      {OLEIVERB_PRIMARY, S_FALSE, E_FAIL, {"CanInPlaceActivate"}},
      {OLEIVERB_UIACTIVATE, S_OK, S_OK, {"CanInPlaceActivate", "OnInPlaceActivate"}},
  };
  auto control = CreateControl();
  auto object = As<IOleObject>(control);
  auto* site = new RecordingSite;
  ASSERT_EQ(object->SetClientSite(site), S_OK);
  EXPECT_EQ(site->calls, Calls{});
  for (const Step& step : steps) {
    SCOPED_TRACE(step.verb);
    site->calls.clear();
    site->canActivate = step.canActivate;
    EXPECT_EQ(object->DoVerb(step.verb, nullptr, site, 0, nullptr, nullptr), step.hr);
    EXPECT_EQ(site->calls, step.calls);
  }
  site->calls.clear();
  EXPECT_EQ(As<IOleInPlaceObject>(control)->InPlaceDeactivate(), S_OK);
  EXPECT_EQ(object->Close(OLECLOSE_NOSAVE), S_OK);
  EXPECT_EQ(site->calls, Calls{"OnInPlaceDeactivate"});
  object->SetClientSite(nullptr);
  site->Release();
}

// A page that never changes has nothing to tell its site, from the site's
// arrival through activation to its going, and keeps no reference after.
TEST(Embedding, PropertyPageMakesNoCallsToItsSite) {
  ComPtr<IPropertyPage> page;
  ASSERT_EQ(::CoCreateInstance(CLSID_AboutProperty, nullptr, CLSCTX_INPROC_SERVER,
                               IID_IPropertyPage, reinterpret_cast<void**>(page.GetAddressOf())),
            S_OK);
  HWND frame = ::CreateWindowExA(0, "STATIC", "frame", WS_OVERLAPPEDWINDOW, 0, 0, 400, 400,
                                 nullptr, nullptr, nullptr, nullptr);
  ASSERT_TRUE(frame);
  auto* site = new RecordingPageSite;
  ASSERT_EQ(page->SetPageSite(site), S_OK);
  RECT place = {0, 0, 320, 280};
  EXPECT_EQ(page->Activate(frame, &place, FALSE), S_OK);
  EXPECT_EQ(page->Show(SW_SHOW), S_OK);
  EXPECT_EQ(page->IsPageDirty(), S_FALSE);
  EXPECT_EQ(page->Apply(), S_OK);
  EXPECT_EQ(page->Deactivate(), S_OK);
  EXPECT_EQ(page->SetPageSite(nullptr), S_OK);
  EXPECT_EQ(site->calls, Calls{});
  EXPECT_EQ(site->Release(), 0u);
  ::DestroyWindow(frame);
}
