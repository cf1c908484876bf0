// The maker's logo, a GIF carried in the control's file, as a picture
// object the About page shows.
#pragma once

#include <ocidl.h>
#include <olectl.h>

#include "control/com/owners.h"

namespace scribbet::com {

// Decodes the logo resource with OLE's picture loader. Raises on failure.
ComPtr<IPicture> LoadMakerLogo();

// The picture's bitmap, owned by the picture: valid while it lives.
HBITMAP BitmapOf(IPicture& picture);

}  // namespace scribbet::com
