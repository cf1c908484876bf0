// The Scribbet control as a COM object: the dual interface _Scribbet with
// WriteEvent, and the interfaces by which containers embed, size, persist,
// draw and activate a control. The logic lives in scribbet::Scribbet.
#pragma once

#include "Scribbet_facts.h"
#include "Scribbet_h.h"
#include "control/Scribbet.h"
#include "control/com/connection_point.h"
#include "control/com/implements.h"
#include "control/com/owners.h"
#include "windowing/twips.h"

namespace scribbet::com {

// Default extent on a form: 525 x 510 twips, in HIMETRIC.
inline constexpr SIZEL kDefaultExtent = {TwipsToHimetric(525), TwipsToHimetric(510)};

using typelib::kDispidWriteEvent;

class ScribbetControl
    : public Implements<_Scribbet, IProvideClassInfo2, ISpecifyPropertyPages, ISupportErrorInfo,
                        IConnectionPointContainer, IOleObject, IOleControl, IOleInPlaceObject,
                        IViewObject2, IPersistStreamInit, IPersistPropertyBag> {
 public:
  ScribbetControl();
  ~ScribbetControl() override;

  // _Scribbet
  HRESULT STDMETHODCALLTYPE WriteEvent(BSTR* MessageString, short* TypeOfEvent,
                                       BSTR* YourAppName, short* result) noexcept override;

  // IDispatch
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) noexcept override;
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID, ITypeInfo** info) noexcept override;
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID,
                                          DISPID* ids) noexcept override;
  HRESULT STDMETHODCALLTYPE Invoke(DISPID member, REFIID iid, LCID, WORD flags,
                                   DISPPARAMS* params, VARIANT* result, EXCEPINFO* exception,
                                   UINT* argumentError) noexcept override;

  // IProvideClassInfo2
  HRESULT STDMETHODCALLTYPE GetClassInfo(ITypeInfo** info) noexcept override;
  HRESULT STDMETHODCALLTYPE GetGUID(DWORD kind, GUID* guid) noexcept override;

  // ISpecifyPropertyPages
  HRESULT STDMETHODCALLTYPE GetPages(CAUUID* pages) noexcept override;

  // ISupportErrorInfo
  HRESULT STDMETHODCALLTYPE InterfaceSupportsErrorInfo(REFIID iid) noexcept override;

  // IConnectionPointContainer
  HRESULT STDMETHODCALLTYPE EnumConnectionPoints(IEnumConnectionPoints** points) noexcept override;
  HRESULT STDMETHODCALLTYPE FindConnectionPoint(REFIID iid,
                                                IConnectionPoint** point) noexcept override;

  // IOleObject
  HRESULT STDMETHODCALLTYPE SetClientSite(IOleClientSite* site) noexcept override;
  HRESULT STDMETHODCALLTYPE GetClientSite(IOleClientSite** site) noexcept override;
  HRESULT STDMETHODCALLTYPE SetHostNames(LPCOLESTR, LPCOLESTR) noexcept override;
  HRESULT STDMETHODCALLTYPE Close(DWORD saveOption) noexcept override;
  HRESULT STDMETHODCALLTYPE SetMoniker(DWORD, IMoniker*) noexcept override;
  HRESULT STDMETHODCALLTYPE GetMoniker(DWORD, DWORD, IMoniker** moniker) noexcept override;
  HRESULT STDMETHODCALLTYPE InitFromData(IDataObject*, BOOL, DWORD) noexcept override;
  HRESULT STDMETHODCALLTYPE GetClipboardData(DWORD, IDataObject** data) noexcept override;
  HRESULT STDMETHODCALLTYPE DoVerb(LONG verb, LPMSG, IOleClientSite* site, LONG, HWND parent,
                                   LPCRECT) noexcept override;
  HRESULT STDMETHODCALLTYPE EnumVerbs(IEnumOLEVERB** verbs) noexcept override;
  HRESULT STDMETHODCALLTYPE Update() noexcept override;
  HRESULT STDMETHODCALLTYPE IsUpToDate() noexcept override;
  HRESULT STDMETHODCALLTYPE GetUserClassID(CLSID* clsid) noexcept override;
  HRESULT STDMETHODCALLTYPE GetUserType(DWORD form, LPOLESTR* name) noexcept override;
  HRESULT STDMETHODCALLTYPE SetExtent(DWORD aspect, SIZEL* size) noexcept override;
  HRESULT STDMETHODCALLTYPE GetExtent(DWORD aspect, SIZEL* size) noexcept override;
  HRESULT STDMETHODCALLTYPE Advise(IAdviseSink* sink, DWORD* cookie) noexcept override;
  HRESULT STDMETHODCALLTYPE Unadvise(DWORD cookie) noexcept override;
  HRESULT STDMETHODCALLTYPE EnumAdvise(IEnumSTATDATA** advises) noexcept override;
  HRESULT STDMETHODCALLTYPE GetMiscStatus(DWORD aspect, DWORD* status) noexcept override;
  HRESULT STDMETHODCALLTYPE SetColorScheme(LOGPALETTE*) noexcept override;

  // IOleControl
  HRESULT STDMETHODCALLTYPE GetControlInfo(CONTROLINFO* info) noexcept override;
  HRESULT STDMETHODCALLTYPE OnMnemonic(MSG*) noexcept override;
  HRESULT STDMETHODCALLTYPE OnAmbientPropertyChange(DISPID) noexcept override;
  HRESULT STDMETHODCALLTYPE FreezeEvents(BOOL) noexcept override;

  // IOleWindow, IOleInPlaceObject
  HRESULT STDMETHODCALLTYPE GetWindow(HWND* window) noexcept override;
  HRESULT STDMETHODCALLTYPE ContextSensitiveHelp(BOOL) noexcept override;
  HRESULT STDMETHODCALLTYPE InPlaceDeactivate() noexcept override;
  HRESULT STDMETHODCALLTYPE UIDeactivate() noexcept override;
  HRESULT STDMETHODCALLTYPE SetObjectRects(LPCRECT position, LPCRECT clip) noexcept override;
  HRESULT STDMETHODCALLTYPE ReactivateAndUndo() noexcept override;

  // IViewObject2
  HRESULT STDMETHODCALLTYPE Draw(DWORD aspect, LONG, void*, DVTARGETDEVICE*, HDC, HDC target,
                                 LPCRECTL bounds, LPCRECTL, BOOL(STDMETHODCALLTYPE*)(ULONG_PTR),
                                 ULONG_PTR) noexcept override;
  HRESULT STDMETHODCALLTYPE GetColorSet(DWORD, LONG, void*, DVTARGETDEVICE*, HDC,
                                        LOGPALETTE** colors) noexcept override;
  HRESULT STDMETHODCALLTYPE Freeze(DWORD, LONG, void*, DWORD*) noexcept override;
  HRESULT STDMETHODCALLTYPE Unfreeze(DWORD) noexcept override;
  HRESULT STDMETHODCALLTYPE SetAdvise(DWORD aspects, DWORD flags,
                                      IAdviseSink* sink) noexcept override;
  HRESULT STDMETHODCALLTYPE GetAdvise(DWORD* aspects, DWORD* flags,
                                      IAdviseSink** sink) noexcept override;
  HRESULT STDMETHODCALLTYPE GetExtent(DWORD aspect, LONG, DVTARGETDEVICE*,
                                      LPSIZEL size) noexcept override;

  // IPersist, IPersistStreamInit, IPersistPropertyBag
  HRESULT STDMETHODCALLTYPE GetClassID(CLSID* clsid) noexcept override;
  HRESULT STDMETHODCALLTYPE IsDirty() noexcept override;
  HRESULT STDMETHODCALLTYPE Load(LPSTREAM) noexcept override;
  HRESULT STDMETHODCALLTYPE Save(LPSTREAM, BOOL) noexcept override;
  HRESULT STDMETHODCALLTYPE GetSizeMax(ULARGE_INTEGER* size) noexcept override;
  HRESULT STDMETHODCALLTYPE InitNew() noexcept override;
  HRESULT STDMETHODCALLTYPE Load(IPropertyBag*, IErrorLog*) noexcept override;
  HRESULT STDMETHODCALLTYPE Save(IPropertyBag*, BOOL, BOOL) noexcept override;

 private:
  HRESULT InPlaceActivate();
  bool DesignMode();

  Scribbet logic_;
  ComPtr<IOleClientSite> site_;
  ComPtr<IOleAdviseHolder> adviseHolder_;
  ComPtr<IAdviseSink> viewSink_;
  DWORD viewAspects_ = 0;
  DWORD viewAdviseFlags_ = 0;
  SinkList sinks_;
  SIZEL extent_ = kDefaultExtent;
  RECT position_ = {};
  bool inPlaceActive_ = false;
};

}  // namespace scribbet::com
