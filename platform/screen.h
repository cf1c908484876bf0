// The screen's resolution, which every window laid out in twips needs.
#pragma once

#include "platform/handles.h"

namespace platform {

// Dots per inch of the screen; 96, the usual setting, when it cannot tell.
inline int ScreenDotsPerInch() {
  unique_screen_dc screen(platform::GetDC(nullptr));
  const int dotsPerInch = platform::GetDeviceCaps(screen.get(), LOGPIXELSY);
  return dotsPerInch > 0 ? dotsPerInch : 96;
}

}  // namespace platform
