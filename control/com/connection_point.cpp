#include "control/com/connection_point.h"

#include "Scribbet_h.h"
#include "control/com/com_error.h"

namespace scribbet::com {

DWORD SinkList::Add(ComPtr<IUnknown> sink) {
  const DWORD cookie = next_++;
  sinks_.emplace(cookie, std::move(sink));
  return cookie;
}

bool SinkList::Remove(DWORD cookie) { return sinks_.erase(cookie) != 0; }

EventSource::EventSource(IConnectionPointContainer* container, SinkList& sinks)
    : container_(container), sinks_(sinks) {}

HRESULT EventSource::GetConnectionInterface(IID* iid) noexcept {
  if (!iid) return E_POINTER;
  *iid = DIID___Scribbet;
  return S_OK;
}

HRESULT EventSource::GetConnectionPointContainer(IConnectionPointContainer** container) noexcept {
  if (!container) return E_POINTER;
  return container_.CopyTo(container);
}

HRESULT EventSource::Advise(IUnknown* sink, DWORD* cookie) noexcept {
  if (!cookie) return E_POINTER;
  *cookie = 0;
  if (!sink) return E_POINTER;
  return Boundary(IID_IConnectionPoint, [&] {
    // A sink must speak the event interface, or at least IDispatch.
    ComPtr<IUnknown> events;
    if (FAILED(sink->QueryInterface(DIID___Scribbet, &events)) &&
        FAILED(sink->QueryInterface(IID_IDispatch, &events)))
      return CONNECT_E_CANNOTCONNECT;
    *cookie = sinks_.Add(std::move(events));
    return S_OK;
  });
}

HRESULT EventSource::Unadvise(DWORD cookie) noexcept {
  return sinks_.Remove(cookie) ? S_OK : CONNECT_E_NOCONNECTION;
}

HRESULT EventSource::EnumConnections(IEnumConnections** connections) noexcept {
  if (connections) *connections = nullptr;
  return E_NOTIMPL;
}

ConnectionPointList::ConnectionPointList(IConnectionPointContainer* container, SinkList& sinks,
                                         ULONG position)
    : container_(container), sinks_(sinks), position_(position) {}

HRESULT ConnectionPointList::Next(ULONG count, IConnectionPoint** points, ULONG* fetched) noexcept {
  if (!points || (count > 1 && !fetched)) return E_POINTER;
  return Boundary(IID_IEnumConnectionPoints, [&] {
    ULONG given = 0;
    if (count > 0 && position_ == 0) {
      const HRESULT hr = CreateAndQuery<EventSource>(
          IID_IConnectionPoint, reinterpret_cast<void**>(points), container_.Get(), sinks_);
      if (FAILED(hr)) return hr;
      given = 1;
      ++position_;
    }
    if (fetched) *fetched = given;
    return given == count ? S_OK : S_FALSE;
  });
}

HRESULT ConnectionPointList::Skip(ULONG count) noexcept {
  const ULONG before = position_;
  position_ = position_ + count > 1 ? 1 : position_ + count;
  return position_ - before == count ? S_OK : S_FALSE;
}

HRESULT ConnectionPointList::Reset() noexcept {
  position_ = 0;
  return S_OK;
}

HRESULT ConnectionPointList::Clone(IEnumConnectionPoints** copy) noexcept {
  return Boundary(IID_IEnumConnectionPoints, [&] {
    return CreateAndQuery<ConnectionPointList>(IID_IEnumConnectionPoints,
                                               reinterpret_cast<void**>(copy), container_.Get(),
                                               sinks_, position_);
  });
}

}  // namespace scribbet::com
