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

// A VARIANT that is cleared when it goes.
struct unique_variant : VARIANT {
  unique_variant() noexcept { ::VariantInit(this); }
  ~unique_variant() { ::VariantClear(this); }
  unique_variant(const unique_variant&) = delete;
  unique_variant& operator=(const unique_variant&) = delete;
};

// A new BSTR holding the text; raises on exhausted memory.
unique_bstr MakeBstr(const std::u16string& text);
// The text of a BSTR where it is, valid while the BSTR lives.
std::u16string_view ViewOf(BSTR text);

}  // namespace scribbet::com
