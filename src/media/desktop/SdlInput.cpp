#include "media/desktop/SdlInput.h"

#include <string_view>

#include "media/Keys.h"
#include "media/Text.h"

namespace zarvel {

namespace {

// SDL gives no text for these keys, but the game reads them as characters.
int ControlCharOf(SDL_Keycode key) {
  switch (key) {
    case SDLK_RETURN:
    case SDLK_RETURN2:
    case SDLK_KP_ENTER:
      return kKeyEnter;
    case SDLK_BACKSPACE:
      return kKeyBackspace;
    case SDLK_TAB:
      return kKeyTab;
    case SDLK_ESCAPE:
      return kKeyEscape;
    default:
      return 0;
  }
}

}  // namespace

int GameKeyCodeOf(const SDL_Keysym& key) {
  int control = ControlCharOf(key.sym);
  if (control != 0) return control;
  if (key.sym > 0 && key.sym < 256) return int(key.sym);
  if (key.scancode == SDL_SCANCODE_UNKNOWN) return 0;
  return 128 + (int(key.scancode) & 127);
}

void HandleWindowEvent(const SDL_Event& event, InputState& input,
                       WindowNotices& notices) {
  switch (event.type) {
    case SDL_KEYDOWN: {
      int control = ControlCharOf(event.key.keysym.sym);
      // A held key's repeats type its character again but are no new press.
      if (control != 0) input.PushChar(char16_t(control));
      if (!event.key.repeat) input.KeyDown(GameKeyCodeOf(event.key.keysym));
      break;
    }
    case SDL_KEYUP:
      input.KeyUp(GameKeyCodeOf(event.key.keysym));
      break;
    case SDL_TEXTINPUT:
      for (char16_t unit : Utf8ToText(std::string_view(event.text.text)))
        input.PushChar(unit);
      break;
    case SDL_QUIT:
      input.RequestClose();
      break;
    case SDL_WINDOWEVENT:
      switch (event.window.event) {
        case SDL_WINDOWEVENT_CLOSE:
          input.RequestClose();
          break;
        case SDL_WINDOWEVENT_FOCUS_LOST:
        case SDL_WINDOWEVENT_FOCUS_GAINED:
          input.Discard();
          break;
        case SDL_WINDOWEVENT_EXPOSED:
        case SDL_WINDOWEVENT_SIZE_CHANGED:
        case SDL_WINDOWEVENT_SHOWN:
        case SDL_WINDOWEVENT_RESTORED:
          notices.needsPresent = true;
          break;
        default:
          break;
      }
      break;
    default:
      break;
  }
}

}  // namespace zarvel
