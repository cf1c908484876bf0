// Owners for GDI objects, and a selection undone when it goes.
#pragma once

#include <windows.h>

#include "platform/handles.h"

namespace scribbet::com {

inline void DeleteGdiObject(HGDIOBJ object) { ::DeleteObject(object); }
inline void DeleteMemoryDc(HDC dc) { ::DeleteDC(dc); }

using unique_hbitmap = platform::unique_handle<HGDIOBJ, &DeleteGdiObject>;
using unique_hdc = platform::unique_handle<HDC, &DeleteMemoryDc>;

class SelectedObject {
 public:
  SelectedObject(HDC dc, HGDIOBJ object) : dc_(dc), previous_(::SelectObject(dc, object)) {}
  ~SelectedObject() { ::SelectObject(dc_, previous_); }
  SelectedObject(const SelectedObject&) = delete;
  SelectedObject& operator=(const SelectedObject&) = delete;

 private:
  HDC dc_;
  HGDIOBJ previous_;
};

}  // namespace scribbet::com
