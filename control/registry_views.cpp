#include "control/registry_views.h"

namespace scribbet {

REGSAM OtherView(bool module64) { return module64 ? KEY_WOW64_32KEY : KEY_WOW64_64KEY; }

Unregistration DecideUnregistration(bool module64,
                                    const std::function<bool(REGSAM view)>& classRegisteredIn) {
  const REGSAM other = OtherView(module64);
  if (classRegisteredIn(other)) return Unregistration{other, false};
  return Unregistration{std::nullopt, true};
}

}  // namespace scribbet
