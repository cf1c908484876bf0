// The control's start-up check: every new instance warns, once, when the
// system is not Windows NT 4.x, and then loads as usual. The warning is for
// a person at the screen: where none can see it, it is left out.
#include "control/Scribbet.h"
#include "platform/ansi.h"
#include "platform/ui.h"

namespace scribbet {

void Scribbet::UserControl_Initialize() {
  if (!support_) support_ = std::make_unique<clsSupport>();
  if (support_->GetVersionType() == kWindowsNT4) return;
  // A modal box on a station nobody sees would hold the host for ever.
  if (!platform::WindowStationVisible()) return;
  const std::string text = platform::ToAnsi(kWrongOsText);
  const std::string title = platform::ToAnsi(kWrongOsTitle);
  platform::MessageBoxA(nullptr, text.c_str(), title.c_str(), kWrongOsStyle);
}

}  // namespace scribbet
