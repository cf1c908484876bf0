// Watches the COM task allocator (CoTaskMemAlloc, and with the string cache
// off every BSTR) while it lives: how many blocks are outstanding, and how
// often a block was freed that had already been freed.
#pragma once

#include <objidl.h>

#include <mutex>
#include <set>

#include "tests/support/threads.h"

namespace com_testing {

class MallocSpy final : public IMallocSpy {
 public:
  MallocSpy();  // registers itself and turns off Automation's string cache
  ~MallocSpy();
  MallocSpy(const MallocSpy&) = delete;
  MallocSpy& operator=(const MallocSpy&) = delete;

  bool registered() const { return registered_; }
  std::size_t Outstanding() const;
  int DoubleFrees() const;

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override;
  ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
  ULONG STDMETHODCALLTYPE Release() override { return 1; }
  SIZE_T STDMETHODCALLTYPE PreAlloc(SIZE_T size) override { return size; }
  void* STDMETHODCALLTYPE PostAlloc(void* block) override;
  void* STDMETHODCALLTYPE PreFree(void* block, BOOL spied) override;
  void STDMETHODCALLTYPE PostFree(BOOL) override {}
  SIZE_T STDMETHODCALLTYPE PreRealloc(void* block, SIZE_T size, void** out, BOOL spied) override;
  void* STDMETHODCALLTYPE PostRealloc(void* block, BOOL spied) override;
  void* STDMETHODCALLTYPE PreGetSize(void* block, BOOL) override { return block; }
  SIZE_T STDMETHODCALLTYPE PostGetSize(SIZE_T size, BOOL) override { return size; }
  void* STDMETHODCALLTYPE PreDidAlloc(void* block, BOOL) override { return block; }
  int STDMETHODCALLTYPE PostDidAlloc(void*, BOOL, int result) override { return result; }
  void STDMETHODCALLTYPE PreHeapMinimize() override {}
  void STDMETHODCALLTYPE PostHeapMinimize() override {}

 private:
  mutable testing_support::CriticalSection mutex_;
  std::set<void*> live_, freed_;
  int doubleFrees_ = 0;
  bool registered_ = false;
};

}  // namespace com_testing
