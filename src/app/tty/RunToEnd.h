#pragma once
// The end of a game on the headless platform, as a program's exit status.

#include "game/Game.h"

namespace zarvel::tty {

// Runs the game (Main) until it ends: the player quits (the status the game
// ended with), or the key script runs out (0). Standard output is flushed.
int RunToEnd(Game& game);

}  // namespace zarvel::tty
