#include "media/desktop/SdlMessageBox.h"

namespace zarvel {

bool ShowConfirmBox(SDL_Window* parent, const std::string& utf8Text,
                    bool serious) {
  enum { kCancel = 0, kOk = 1 };
  const SDL_MessageBoxButtonData buttons[] = {
      {SDL_MESSAGEBOX_BUTTON_RETURNKEY_DEFAULT, kOk, "OK"},
      {SDL_MESSAGEBOX_BUTTON_ESCAPEKEY_DEFAULT, kCancel, "Cancel"},
  };
  const char* title = parent != nullptr ? SDL_GetWindowTitle(parent) : "";
  SDL_MessageBoxData box{};
  box.flags =
      Uint32(serious ? SDL_MESSAGEBOX_WARNING : SDL_MESSAGEBOX_INFORMATION) |
      SDL_MESSAGEBOX_BUTTONS_LEFT_TO_RIGHT;
  box.window = parent;
  box.title = title;
  box.message = utf8Text.c_str();
  box.numbuttons = 2;
  box.buttons = buttons;
  int pressed = -1;  // stays -1 when the box is closed by its close button
  if (SDL_ShowMessageBox(&box, &pressed) != 0) {
    // No box could be shown (no message box support on this display): the
    // player did ask to close, and leaving them with a window that never
    // closes would be worse than not asking.
    return true;
  }
  return pressed == kOk;
}

}  // namespace zarvel
