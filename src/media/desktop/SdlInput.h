#pragma once
// Turns SDL's window events into the game's keyboard and window input.

#include <SDL2/SDL.h>

#include "media/desktop/InputState.h"

namespace zarvel {

struct WindowNotices {
  bool needsPresent = false;  // the window's content was lost or resized
};

// The game's key code (1..255) of an SDL key, 0 when there is none. Keys
// whose SDL code is below 256 keep it (Escape is 27, letters their ASCII
// codes); every other key gets a code from 128 up from its scancode, so
// that Shift, arrows and function keys still count as presses.
int GameKeyCodeOf(const SDL_Keysym& key);
void HandleWindowEvent(const SDL_Event& event, InputState& input,
                       WindowNotices& notices);

}  // namespace zarvel
