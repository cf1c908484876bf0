#include "tests/wine/com/malloc_spy.h"

namespace com_testing {

MallocSpy::MallocSpy() {
  // Freed strings would otherwise wait in Automation's cache and never reach
  // the allocator, and a string freed twice would go unseen.
  if (HMODULE oleaut = ::GetModuleHandleA("oleaut32.dll"))
    if (auto noCache = reinterpret_cast<void(WINAPI*)()>(
            reinterpret_cast<void (*)()>(::GetProcAddress(oleaut, "SetOaNoCache"))))
      noCache();
  registered_ = SUCCEEDED(::CoRegisterMallocSpy(this));
}

MallocSpy::~MallocSpy() {
  if (registered_) ::CoRevokeMallocSpy();
}

HRESULT MallocSpy::QueryInterface(REFIID iid, void** out) {
  if (!out) return E_POINTER;
  if (iid == IID_IUnknown || iid == IID_IMallocSpy) {
    *out = static_cast<IMallocSpy*>(this);
    return S_OK;
  }
  *out = nullptr;
  return E_NOINTERFACE;
}

std::size_t MallocSpy::Outstanding() const {
  std::lock_guard<testing_support::CriticalSection> lock(mutex_);
  return live_.size();
}

int MallocSpy::DoubleFrees() const {
  std::lock_guard<testing_support::CriticalSection> lock(mutex_);
  return doubleFrees_;
}

void* MallocSpy::PostAlloc(void* block) {
  if (block) {
    std::lock_guard<testing_support::CriticalSection> lock(mutex_);
    freed_.erase(block);
    live_.insert(block);
  }
  return block;
}

void* MallocSpy::PreFree(void* block, BOOL) {
  if (block) {
    std::lock_guard<testing_support::CriticalSection> lock(mutex_);
    if (live_.erase(block)) freed_.insert(block);
    else if (freed_.count(block)) ++doubleFrees_;
  }
  return block;
}

SIZE_T MallocSpy::PreRealloc(void* block, SIZE_T size, void** out, BOOL) {
  if (block) {
    std::lock_guard<testing_support::CriticalSection> lock(mutex_);
    if (live_.erase(block)) freed_.insert(block);
  }
  *out = block;
  return size;
}

void* MallocSpy::PostRealloc(void* block, BOOL) { return PostAlloc(block); }

}  // namespace com_testing
