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
// The black screen with the logo at its top right, behind the title menu
// and the paged text screens; the colour is white when it returns.
void DrawLogoScreen(Game& game);
// A filled box over the grid's middle columns (10 character widths in from
// each side), from the top of grid row topRow, height pixels high.
void DrawGridBox(Game& game, int topRow, int height, int r, int g, int b);
// Black screen, logo and green box of the paged text screens.
void DrawScreenFrame(Game& game);

}  // namespace zarvel
