// The control's event source for __Scribbet. The control raises no events:
// sinks are accepted, kept until they disconnect, and never called.
#pragma once

#include <map>

#include "control/com/implements.h"
#include "control/com/owners.h"

namespace scribbet::com {

// The sinks connected to a control, owned by the control.
class SinkList {
 public:
  DWORD Add(ComPtr<IUnknown> sink);
  bool Remove(DWORD cookie);

 private:
  std::map<DWORD, ComPtr<IUnknown>> sinks_;
  DWORD next_ = 1;
};

// A connection point handed to one caller. It keeps its control alive, and
// with it the sink list it serves.
class EventSource : public Implements<IConnectionPoint> {
 public:
  EventSource(IConnectionPointContainer* container, SinkList& sinks);

  HRESULT STDMETHODCALLTYPE GetConnectionInterface(IID* iid) noexcept override;
  HRESULT STDMETHODCALLTYPE
  GetConnectionPointContainer(IConnectionPointContainer** container) noexcept override;
  HRESULT STDMETHODCALLTYPE Advise(IUnknown* sink, DWORD* cookie) noexcept override;
  HRESULT STDMETHODCALLTYPE Unadvise(DWORD cookie) noexcept override;
  HRESULT STDMETHODCALLTYPE EnumConnections(IEnumConnections** connections) noexcept override;

 private:
  ComPtr<IConnectionPointContainer> container_;
  SinkList& sinks_;
};

// Enumerates the control's one connection point.
class ConnectionPointList : public Implements<IEnumConnectionPoints> {
 public:
  ConnectionPointList(IConnectionPointContainer* container, SinkList& sinks, ULONG position = 0);

  HRESULT STDMETHODCALLTYPE Next(ULONG count, IConnectionPoint** points,
                                 ULONG* fetched) noexcept override;
  HRESULT STDMETHODCALLTYPE Skip(ULONG count) noexcept override;
  HRESULT STDMETHODCALLTYPE Reset() noexcept override;
  HRESULT STDMETHODCALLTYPE Clone(IEnumConnectionPoints** copy) noexcept override;

 private:
  ComPtr<IConnectionPointContainer> container_;
  SinkList& sinks_;
  ULONG position_;
};

}  // namespace scribbet::com
