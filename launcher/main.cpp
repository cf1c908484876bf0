// Wayfinch: shows the launcher window and runs its messages until it closes.
#include <exception>

#include "launcher/frmWayfinch.h"
#include "platform/ui.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  try {
    wayfinch::frmWayfinch form(instance);
    form.Show();
    MSG message;
    while (platform::GetMessageA(&message, nullptr, 0, 0) > 0) {
      // The dialog manager gives the window its keyboard: Tab, the arrow
      // keys in the option group, and the access keys Alt+G and Alt+E.
      if (form.IsLoaded() && platform::IsDialogMessageA(form.Window(), &message)) continue;
      platform::TranslateMessage(&message);
      platform::DispatchMessageA(&message);
    }
    return static_cast<int>(message.wParam);
  } catch (const std::exception& error) {
    platform::MessageBoxA(nullptr, error.what(), "Scribbet Info", MB_OK | MB_ICONHAND);
    return 1;
  }
}
