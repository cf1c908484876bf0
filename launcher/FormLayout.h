// The launcher window's design: client area and controls in twips. The
// conversion to pixels is the one every window of the system uses.
#pragma once

#include "windowing/twips.h"

namespace wayfinch {

using ::PixelRect;
using ::ToPixels;
using ::TwipsRect;
using ::TwipsToPixels;

// Client area and controls, each relative to its container.
inline constexpr TwipsRect kClientArea{0, 0, 4515, 2415};
inline constexpr TwipsRect kOptionFrame{120, 120, 4335, 1455};
inline constexpr TwipsRect kVisitCorvennaOption{240, 240, 2415, 495};  // in the frame
inline constexpr TwipsRect kViewHelpOption{240, 840, 3615, 495};       // in the frame
inline constexpr TwipsRect kCmdGo{600, 1800, 1215, 495};
inline constexpr TwipsRect kCmdExit{2640, 1800, 1215, 495};

}  // namespace wayfinch
