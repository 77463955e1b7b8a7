#pragma once
// The OK/Cancel question of the game as a system message box.

#include <SDL2/SDL.h>

#include <string>

namespace zarvel {

// Captioned with the parent window's title. True for OK; Cancel, Escape and
// the box's own close button answer false.
bool ShowConfirmBox(SDL_Window* parent, const std::string& utf8Text,
                    bool serious);

}  // namespace zarvel
