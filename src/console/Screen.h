#pragma once
// The game screen (header, console, input bar) and the text-grid helpers of
// the title menu and the paged text screens.

#include "media/Text.h"

namespace zarvel {

struct Game;

// Draws the whole game screen into the back buffer; does not present it.
// The colour is white when it returns.
void RedrawScreen(Game& game);
void DrawCentred(Game& game, const Text& text, int row);
void DrawAtColumn(Game& game, const Text& text, int column, int row);
void DrawRightAligned(Game& game, const Text& text, int column, int row);
// Black screen, logo and green box of the paged text screens.
void DrawScreenFrame(Game& game);

}  // namespace zarvel
