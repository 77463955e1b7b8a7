#pragma once
// The command line in the input bar: prompt, blinking cursor, editing at its
// end, the y/z exchange, and Enter handing the line to the dispatcher.

#include "media/Text.h"

namespace zarvel {

struct Game;

// Draws ">" + text at (22, 570) and, in the even half-seconds, the yellow
// cursor after it. Shared with the position-name entry.
void DrawEntryLine(Game& game, const Text& text);
// Draws the command line (game.shell.inputLine).
void DrawCommandLine(Game& game);
// Handles one typed character code (> 0).
void HandleCommandChar(Game& game, int code);

}  // namespace zarvel
