// The About page's design: its surface and controls in twips, relative to
// the page, in keyboard order.
#pragma once

#include "windowing/twips.h"

namespace scribbet {

inline constexpr TwipsRect kAboutPageSurface{0, 0, 4800, 4200};
inline constexpr TwipsRect kAboutTextPlace{120, 120, 4575, 2415};
inline constexpr TwipsRect kVisitCorvennaCommandPlace{3000, 2880, 1695, 495};
inline constexpr TwipsRect kMakerTextPlace{120, 3720, 3840, 420};
inline constexpr TwipsRect kMakerLogoImagePlace{120, 2640, 2730, 930};

// The logo picture's own size in pixels.
inline constexpr int kMakerLogoWidth = 182;
inline constexpr int kMakerLogoHeight = 62;

}  // namespace scribbet
