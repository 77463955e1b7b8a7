#pragma once
// The game screen (header, console, input bar) and the text-grid helpers of
// the title menu and the paged text screens.

#include "console/Console.h"
#include "media/Text.h"

namespace zarvel {

// Draws the whole game screen into the back buffer; does not present it.
// The colour is white when it returns.
void RedrawScreen(Console& console);
// The bar with "stiskni prosím nějakou klávesu" over the input area.
void DrawPauseBar(Platform& platform);
void DrawCentred(Console& console, const Text& text, int row);
void DrawAtColumn(Console& console, const Text& text, int column, int row);
void DrawRightAligned(Console& console, const Text& text, int column, int row);
// The black screen with the logo at its top right, behind the title menu
// and the paged text screens; the colour is white when it returns.
void DrawLogoScreen(Console& console);
// A filled box over the grid's middle columns (10 character widths in from
// each side), from the top of grid row topRow, height pixels high.
void DrawGridBox(Console& console, int topRow, int height, int r, int g, int b);
// Black screen, logo and green box of the paged text screens.
void DrawScreenFrame(Console& console);

}  // namespace zarvel
