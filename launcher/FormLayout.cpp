#include "launcher/FormLayout.h"

namespace wayfinch {

int TwipsToPixels(int twips, int dotsPerInch) {
  const long long scaled = static_cast<long long>(twips) * dotsPerInch;
  return static_cast<int>((scaled + kTwipsPerInch / 2) / kTwipsPerInch);
}

PixelRect ToPixels(const TwipsRect& control, int dotsPerInch, const TwipsRect& container) {
  return PixelRect{TwipsToPixels(container.left + control.left, dotsPerInch),
                   TwipsToPixels(container.top + control.top, dotsPerInch),
                   TwipsToPixels(control.width, dotsPerInch),
                   TwipsToPixels(control.height, dotsPerInch)};
}

}  // namespace wayfinch
