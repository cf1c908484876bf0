// Designs in twips (1/1440 inch) and their places in pixels. The launcher's
// window and the control's About page are both laid out in twips, and both
// convert the same way, so the rounding lives here once.
#pragma once

struct TwipsRect {
  int left, top, width, height;
};

struct PixelRect {
  int x, y, width, height;
  bool operator==(const PixelRect&) const = default;
};

inline constexpr int kTwipsPerInch = 1440;

inline constexpr int kHimetricPerInch = 2540;

// Twips to HIMETRIC (hundredths of a millimetre), to the nearest unit.
constexpr int TwipsToHimetric(int twips) {
  return (twips * kHimetricPerInch + kTwipsPerInch / 2) / kTwipsPerInch;
}

// Twips to pixels at the given dots per inch, to the nearest pixel.
constexpr int TwipsToPixels(int twips, int dotsPerInch) {
  const long long scaled = static_cast<long long>(twips) * dotsPerInch;
  return static_cast<int>((scaled + kTwipsPerInch / 2) / kTwipsPerInch);
}

// The control's place in its window's client area. A control inside a
// container (a frame) is placed from the sum of both offsets in twips, so
// rounding happens once and controls line up with their container at any
// resolution.
constexpr PixelRect ToPixels(const TwipsRect& control, int dotsPerInch,
                             const TwipsRect& container = TwipsRect{0, 0, 0, 0}) {
  return PixelRect{TwipsToPixels(container.left + control.left, dotsPerInch),
                   TwipsToPixels(container.top + control.top, dotsPerInch),
                   TwipsToPixels(control.width, dotsPerInch),
                   TwipsToPixels(control.height, dotsPerInch)};
}
