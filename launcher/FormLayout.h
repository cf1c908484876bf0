// The launcher window's design: client area and controls in twips, and their
// conversion to pixels at the screen's resolution.
#pragma once

namespace wayfinch {

struct TwipsRect {
  int left, top, width, height;
};

struct PixelRect {
  int x, y, width, height;
  bool operator==(const PixelRect&) const = default;
};

inline constexpr int kTwipsPerInch = 1440;

// Client area and controls, each relative to its container.
inline constexpr TwipsRect kClientArea{0, 0, 4515, 2415};
inline constexpr TwipsRect kOptionFrame{120, 120, 4335, 1455};
inline constexpr TwipsRect kVisitCorvennaOption{240, 240, 2415, 495};  // in the frame
inline constexpr TwipsRect kViewHelpOption{240, 840, 3615, 495};       // in the frame
inline constexpr TwipsRect kCmdGo{600, 1800, 1215, 495};
inline constexpr TwipsRect kCmdExit{2640, 1800, 1215, 495};

// Twips to pixels at the given dots per inch, to the nearest pixel.
int TwipsToPixels(int twips, int dotsPerInch);

// The control's place in the window's client area. A control inside the
// frame is placed from the sum of both offsets in twips, so rounding happens
// once and the two option buttons line up with the frame at any resolution.
PixelRect ToPixels(const TwipsRect& control, int dotsPerInch,
                   const TwipsRect& container = TwipsRect{0, 0, 0, 0});

}  // namespace wayfinch
