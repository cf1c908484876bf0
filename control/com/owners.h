// Owners for what COM, Automation and GDI hand the control directly:
// strings, variants, interface references, bitmaps and memory DCs. (The
// platform's handles have theirs in platform/handles.h.)
#pragma once

#include <windows.h>
#include <oaidl.h>
#include <oleauto.h>
#include <wrl/client.h>

#include <string>
#include <string_view>

#include "platform/handles.h"

namespace scribbet::com {

inline void DeleteBitmap(HBITMAP bitmap) { ::DeleteObject(bitmap); }
inline void DeleteMemoryDc(HDC dc) { ::DeleteDC(dc); }

using unique_bstr = platform::unique_handle<BSTR, &::SysFreeString>;
using unique_hbitmap = platform::unique_handle<HBITMAP, &DeleteBitmap>;
// A DC of CreateCompatibleDC, deleted; a screen DC (platform::unique_screen_dc)
// is released instead.
using unique_memory_dc = platform::unique_handle<HDC, &DeleteMemoryDc>;
using Microsoft::WRL::ComPtr;

// A VARIANT and what it holds, cleared when it goes.
class unique_variant {
 public:
  unique_variant() noexcept { ::VariantInit(&value_); }
  // Takes over what the VARIANT holds.
  explicit unique_variant(const VARIANT& value) noexcept : value_(value) {}
  unique_variant(const unique_variant&) = delete;
  unique_variant& operator=(const unique_variant&) = delete;
  unique_variant(unique_variant&& other) noexcept : value_(other.release()) {}
  unique_variant& operator=(unique_variant&& other) noexcept {
    if (this != &other) reset(other.release());
    return *this;
  }
  ~unique_variant() { ::VariantClear(&value_); }

  VARIANT* get() noexcept { return &value_; }
  const VARIANT* get() const noexcept { return &value_; }
  VARIANT* operator->() noexcept { return &value_; }
  const VARIANT* operator->() const noexcept { return &value_; }
  VARIANT& operator*() noexcept { return value_; }
  const VARIANT& operator*() const noexcept { return value_; }
  // The place for a call that fills a VARIANT: what it held is cleared first.
  VARIANT* put() noexcept {
    reset();
    return &value_;
  }
  // Hands what it holds to a new owner and holds nothing.
  VARIANT release() noexcept {
    const VARIANT value = value_;
    ::VariantInit(&value_);
    return value;
  }
  void reset() noexcept {
    ::VariantClear(&value_);
    ::VariantInit(&value_);
  }
  void reset(const VARIANT& value) noexcept {
    ::VariantClear(&value_);
    value_ = value;
  }

 private:
  VARIANT value_;
};

// A new BSTR holding the text; raises on exhausted memory.
unique_bstr MakeBstr(const std::u16string& text);
// The text of a BSTR where it is, valid while the BSTR lives.
std::u16string_view ViewOf(BSTR text);

}  // namespace scribbet::com
