// The user interface of the system: modal message boxes.
#pragma once

#include "platform/types.h"

namespace platform {

// A modal message box with text, title and style; returns the button chosen.
int MessageBoxA(HWND owner, LPCSTR text, LPCSTR caption, UINT style);

}  // namespace platform
