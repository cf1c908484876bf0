// A COM class is declared by the interfaces it implements:
//
//   class Page : public Implements<IPropertyPage, _AboutProperty> { ... };
//
// QueryInterface, reference counting and the module's count of live objects
// are written here once. An interface also answers for the base interfaces
// callers ask for (IDispatch for a dual interface, IPersist for a persistence
// interface ...); where two could answer, the one listed first does.
#pragma once

#include <ocidl.h>
#include <olectl.h>

#include <atomic>
#include <new>
#include <type_traits>

#include "control/com/module.h"

namespace scribbet::com {

template <typename Interface>
bool Answers(REFIID iid) {
  if (iid == __uuidof(Interface)) return true;
  if constexpr (std::is_base_of_v<IDispatch, Interface>)
    if (iid == IID_IDispatch) return true;
  if constexpr (std::is_base_of_v<IPersist, Interface>)
    if (iid == IID_IPersist) return true;
  if constexpr (std::is_base_of_v<IViewObject, Interface>)
    if (iid == IID_IViewObject) return true;
  if constexpr (std::is_base_of_v<IOleWindow, Interface>)
    if (iid == IID_IOleWindow) return true;
  if constexpr (std::is_base_of_v<IProvideClassInfo, Interface>)
    if (iid == IID_IProvideClassInfo) return true;
  return false;
}

// Counted objects keep the module loaded; class factories do not (a client
// keeps the module with LockServer).
template <bool Counted, typename First, typename... Rest>
class ComObject : public First, public Rest... {
 public:
  ComObject() noexcept {
    if constexpr (Counted) AddObject();
  }
  virtual ~ComObject() {
    if constexpr (Counted) ReleaseObject();
  }
  ComObject(const ComObject&) = delete;
  ComObject& operator=(const ComObject&) = delete;

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) noexcept override {
    if (!out) return E_POINTER;
    *out = nullptr;
    if (iid == IID_IUnknown) {
      *out = static_cast<IUnknown*>(static_cast<First*>(this));
    } else if (!(Find<First>(iid, out) || ... || Find<Rest>(iid, out))) {
      return E_NOINTERFACE;
    }
    AddRef();
    return S_OK;
  }

  ULONG STDMETHODCALLTYPE AddRef() noexcept override { return ++references_; }

  ULONG STDMETHODCALLTYPE Release() noexcept override {
    const ULONG left = --references_;
    if (left == 0) delete this;
    return left;
  }

  // The object's IUnknown, for callers inside the module.
  IUnknown* Unknown() noexcept { return static_cast<First*>(this); }

 private:
  template <typename Interface>
  bool Find(REFIID iid, void** out) noexcept {
    if (!Answers<Interface>(iid)) return false;
    *out = static_cast<Interface*>(this);
    return true;
  }

  std::atomic<ULONG> references_{1};
};

template <typename... Interfaces>
using Implements = ComObject<true, Interfaces...>;

// Makes an object (reference count 1) and hands out the interface asked for.
template <typename Object, typename... Args>
HRESULT CreateAndQuery(REFIID iid, void** out, Args&&... args) {
  if (!out) return E_POINTER;
  *out = nullptr;
  Object* object = new Object(std::forward<Args>(args)...);
  const HRESULT hr = object->Unknown()->QueryInterface(iid, out);
  object->Unknown()->Release();
  return hr;
}

}  // namespace scribbet::com
