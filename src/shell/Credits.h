#pragma once
// What the title menu shows: its fixed lines and the four credits pages that
// cycle in its green box.

#include <vector>

#include "media/Text.h"

namespace zarvel {

struct Game;

struct MenuLine {
  int row;
  Text text;
};

// The lines of the menu screen (makers, contact, motto, dedication, the four
// choices), drawn centred at their grid rows.
const std::vector<MenuLine>& TitleMenuLines();
// Draws the green box and credits page 0..3 (A..D) into it.
void DrawCreditsPage(Game& game, int page);

}  // namespace zarvel
