#include "platform/ui.h"

#include "platform/win32/binding.h"

namespace platform {

int MessageBoxA(HWND owner, LPCSTR text, LPCSTR caption, UINT style) {
  static const auto fn = win32::Bind<decltype(&::MessageBoxA)>("user32.dll", "MessageBoxA");
  return fn(owner, text, caption, style);
}

}  // namespace platform
