// What containers use: property pages, class information, the event source,
// the OLE object, drawing and persistence.
#include "tests/wine/com/com_support.h"

#include <ocidl.h>
#include <olectl.h>

#include <string>
#include <vector>

#include "control/com/ScribbetControl.h"
#include "control/com/implements.h"
#include "tests/support/expected_calls.h"
#include "tests/support/sentinels.h"

using namespace com_testing;

namespace {

using testing_support::ExpectedCalls;
using testing_support::kUnwritten;
using testing_support::Unwritten;

using scribbet::com::Implements;

// The parts of IDispatch and IOleClientSite the control is to call nothing of.
#define EXPECTED_DISPATCH_CALLS                                                             \
  EXPECTED_CALL(GetTypeInfoCount, (UINT*), E_NOTIMPL)                                       \
  EXPECTED_CALL(GetTypeInfo, (UINT, LCID, ITypeInfo**), E_NOTIMPL)                          \
  EXPECTED_CALL(GetIDsOfNames, (REFIID, LPOLESTR*, UINT, LCID, DISPID*), E_NOTIMPL)
#define EXPECTED_CLIENT_SITE_CALLS                                                          \
  EXPECTED_CALL(SaveObject, (), E_NOTIMPL)                                                  \
  EXPECTED_CALL(GetMoniker, (DWORD, DWORD, IMoniker**), E_NOTIMPL)                          \
  EXPECTED_CALL(GetContainer, (IOleContainer**), E_NOINTERFACE)                             \
  EXPECTED_CALL(ShowObject, (), S_OK)                                                       \
  EXPECTED_CALL(OnShowWindow, (BOOL), S_OK)                                                 \
  EXPECTED_CALL(RequestNewObjectLayout, (), E_NOTIMPL)

// An event sink. The control raises no events: any call to it fails.
class Sink : public Implements<IDispatch> {
 public:
  ExpectedCalls expected;
  EXPECTED_DISPATCH_CALLS
  EXPECTED_CALL(Invoke, (DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*),
                E_NOTIMPL)
};

// A client site whose ambient UserMode says whether the form is designed.
// The control may ask for that ambient property, where the test expects it,
// and for nothing else.
class AmbientSite : public Implements<IOleClientSite, IDispatch> {
 public:
  explicit AmbientSite(bool userMode) : userMode_(userMode) {}
  ExpectedCalls expected;
  EXPECTED_CLIENT_SITE_CALLS
  EXPECTED_DISPATCH_CALLS
  HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS*, VARIANT* result,
                                   EXCEPINFO*, UINT*) noexcept override {
    expected.Called(id == DISPID_AMBIENT_USERMODE ? "Invoke(UserMode)" : "Invoke");
    if (id != DISPID_AMBIENT_USERMODE || !result) return DISP_E_MEMBERNOTFOUND;
    result->vt = VT_BOOL;
    result->boolVal = userMode_ ? VARIANT_TRUE : VARIANT_FALSE;
    return S_OK;
  }

 private:
  bool userMode_;
};

// A container's site: every call the control makes to it must be the one
// the test expects next; CanInPlaceActivate answers as told.
class ExpectingSite : public Implements<IOleClientSite, IOleInPlaceSite> {
 public:
  ExpectedCalls expected;
  HRESULT canActivate = S_OK;
  EXPECTED_CLIENT_SITE_CALLS
  EXPECTED_CALL(GetWindow, (HWND*), E_FAIL)
  EXPECTED_CALL(ContextSensitiveHelp, (BOOL), E_NOTIMPL)
  EXPECTED_CALL(CanInPlaceActivate, (), canActivate)
  EXPECTED_CALL(OnInPlaceActivate, (), S_OK)
  EXPECTED_CALL(OnUIActivate, (), S_OK)
  EXPECTED_CALL(GetWindowContext, (IOleInPlaceFrame**, IOleInPlaceUIWindow**, LPRECT, LPRECT,
                                   LPOLEINPLACEFRAMEINFO), E_FAIL)
  EXPECTED_CALL(Scroll, (SIZE), S_OK)
  EXPECTED_CALL(OnUIDeactivate, (BOOL), S_OK)
  EXPECTED_CALL(OnInPlaceDeactivate, (), S_OK)
  EXPECTED_CALL(DiscardUndoState, (), S_OK)
  EXPECTED_CALL(DeactivateAndUndo, (), S_OK)
  EXPECTED_CALL(OnPosRectChange, (LPCRECT), S_OK)
};

// A property page's site: the page is to make no call to it at all.
class PageSite : public Implements<IPropertyPageSite> {
 public:
  ExpectedCalls expected;
  EXPECTED_CALL(OnStatusChange, (DWORD), S_OK)
  EXPECTED_CALL(GetLocaleID, (LCID*), E_NOTIMPL)
  EXPECTED_CALL(GetPageContainer, (IUnknown**), E_NOTIMPL)
  EXPECTED_CALL(TranslateAccelerator, (MSG*), S_FALSE)
};

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
  auto pages = Unwritten<CAUUID>();
  ASSERT_EQ(As<ISpecifyPropertyPages>(control)->GetPages(&pages), S_OK);
  ASSERT_EQ(pages.cElems, 1u);
  EXPECT_TRUE(IsEqualCLSID(pages.pElems[0], CLSID_AboutProperty));
  ::CoTaskMemFree(pages.pElems);

  ComPtr<IPropertyPage> page;
  ASSERT_EQ(::CoCreateInstance(CLSID_AboutProperty, nullptr, CLSCTX_INPROC_SERVER,
                               IID_IPropertyPage, reinterpret_cast<void**>(page.GetAddressOf())),
            S_OK);
  auto info = Unwritten<PROPPAGEINFO>();
  ASSERT_EQ(page->GetPageInfo(&info), S_OK);
  EXPECT_EQ(info.cb, sizeof info);
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
  auto events = Unwritten<GUID>();
  ASSERT_EQ(classInfo->GetGUID(GUIDKIND_DEFAULT_SOURCE_DISP_IID, &events), S_OK);
  EXPECT_TRUE(IsEqualIID(events, DIID___Scribbet));
  ComPtr<ITypeInfo> coclass;
  ASSERT_EQ(classInfo->GetClassInfo(&coclass), S_OK);
  auto attributes = Unwritten<TYPEATTR*>();
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
  ULONG fetched = kUnwritten;
  ASSERT_EQ(points->Next(1, point.ReleaseAndGetAddressOf(), &fetched), S_OK);
  EXPECT_EQ(fetched, 1u);
  auto iid = Unwritten<IID>();
  ASSERT_EQ(point->GetConnectionInterface(&iid), S_OK);
  EXPECT_TRUE(IsEqualIID(iid, DIID___Scribbet));

  auto* sink = new Sink;
  DWORD cookie = kUnwritten;
  ASSERT_EQ(point->Advise(sink->Unknown(), &cookie), S_OK);
  EXPECT_NE(cookie, 0u);
  EXPECT_NE(cookie, kUnwritten);
  auto message = Bstr(L"with a sink"), name = Bstr(L"");
  short type = 3, result = Unwritten<short>();
  control->WriteEvent(message.addressof(), &type, name.addressof(), &result);
  EXPECT_EQ(result, 1);
  EXPECT_EQ(point->Unadvise(cookie), S_OK);
  EXPECT_EQ(point->Unadvise(cookie), CONNECT_E_NOCONNECTION);
  sink->Release();
}

TEST(Embedding, OleObjectStatusExtentAndVerbs) {
  auto control = CreateControl();
  auto object = As<IOleObject>(control);
  DWORD status = kUnwritten;
  ASSERT_EQ(object->GetMiscStatus(DVASPECT_CONTENT, &status), S_OK);
  EXPECT_EQ(status, scribbet::com::kControlMiscStatus);
  EXPECT_TRUE(status & OLEMISC_INVISIBLEATRUNTIME);
  EXPECT_TRUE(status & OLEMISC_NOUIACTIVATE);
  auto extent = Unwritten<SIZEL>();
  ASSERT_EQ(object->GetExtent(DVASPECT_CONTENT, &extent), S_OK);
  EXPECT_EQ(extent.cx, scribbet::com::kDefaultExtent.cx);
  EXPECT_EQ(extent.cy, scribbet::com::kDefaultExtent.cy);
  SIZEL larger = {2000, 1000};
  ASSERT_EQ(object->SetExtent(DVASPECT_CONTENT, &larger), S_OK);
  extent = Unwritten<SIZEL>();
  ASSERT_EQ(object->GetExtent(DVASPECT_CONTENT, &extent), S_OK);
  EXPECT_EQ(extent.cx, 2000);
  EXPECT_EQ(extent.cy, 1000);
  auto clsid = Unwritten<CLSID>();
  ASSERT_EQ(object->GetUserClassID(&clsid), S_OK);
  EXPECT_TRUE(IsEqualCLSID(clsid, CLSID_Scribbet));
  auto window = Unwritten<HWND>();
  EXPECT_EQ(As<IOleInPlaceObject>(control)->GetWindow(&window), E_FAIL);
  EXPECT_EQ(window, nullptr);
  auto info = Unwritten<CONTROLINFO>();
  info.cb = sizeof info;
  ASSERT_EQ(As<IOleControl>(control)->GetControlInfo(&info), S_OK);
  EXPECT_EQ(info.hAccel, nullptr);
  EXPECT_EQ(info.cAccel, 0);
  EXPECT_EQ(info.dwFlags, 0u);
  EXPECT_EQ(object->Close(OLECLOSE_NOSAVE), S_OK);
}

TEST(Embedding, DrawsItsPictureOnlyWhileTheFormIsDesigned) {
  auto control = CreateControl();
  auto object = As<IOleObject>(control);
  auto* design = new AmbientSite(false);
  ASSERT_EQ(object->SetClientSite(design), S_OK);
  design->expected.Expect({"Invoke(UserMode)"});
  EXPECT_GT(DrawnPixels(control), 100);
  design->expected.CheckCalled();
  auto* running = new AmbientSite(true);
  ASSERT_EQ(object->SetClientSite(running), S_OK);
  running->expected.Expect({"Invoke(UserMode)"});
  EXPECT_EQ(DrawnPixels(control), 0);
  running->expected.CheckCalled();
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
  auto clsid = Unwritten<CLSID>();
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
    std::vector<std::string> calls;
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
  auto* site = new ExpectingSite;
  ASSERT_EQ(object->SetClientSite(site), S_OK);
  for (const Step& step : steps) {
    SCOPED_TRACE(step.verb);
    site->canActivate = step.canActivate;
    site->expected.Expect(step.calls);
    EXPECT_EQ(object->DoVerb(step.verb, nullptr, site, 0, nullptr, nullptr), step.hr);
    site->expected.CheckCalled();
  }
  site->expected.Expect({"OnInPlaceDeactivate"});
  EXPECT_EQ(As<IOleInPlaceObject>(control)->InPlaceDeactivate(), S_OK);
  EXPECT_EQ(object->Close(OLECLOSE_NOSAVE), S_OK);
  site->expected.CheckCalled();
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
  auto* site = new PageSite;
  ASSERT_EQ(page->SetPageSite(site), S_OK);
  RECT place = {0, 0, 320, 280};
  EXPECT_EQ(page->Activate(frame, &place, FALSE), S_OK);
  EXPECT_EQ(page->Show(SW_SHOW), S_OK);
  EXPECT_EQ(page->IsPageDirty(), S_FALSE);
  EXPECT_EQ(page->Apply(), S_OK);
  EXPECT_EQ(page->Deactivate(), S_OK);
  EXPECT_EQ(page->SetPageSite(nullptr), S_OK);
  EXPECT_EQ(site->Release(), 0u);
  ::DestroyWindow(frame);
}
