#pragma once
// The 20-line text area of the game screen and the one operation through
// which every text reaches the player.

#include <array>
#include <vector>

#include "media/Text.h"

namespace zarvel {

struct Game;

inline constexpr int kConsoleRows = 20;
inline constexpr int kConsoleLeft = 22;
inline constexpr int kWrapWidth = 756;

struct Console {
  // lines[0] is row 1 (top), lines[19] row 20 (bottom, newest).
  std::array<Text, kConsoleRows> lines{};
  int linesSincePause = 1;
  int highlightMode = 0;  // 0 normal, 1 highlighted word, 2 hold
  bool quoteSeen = false;
};

// Breaks the text at "/" and at the wrapping width, scrolls each line in
// (one redraw and Flip per line), pauses at full pages and "<->", and
// finally discards pending keyboard input.
void ConsolePrint(Game& game, const Text& text);
// Breaks one "/"-free segment into lines the way ConsolePrint does. With
// breakOnlyWhenWider the break moves back to a space only when the rest is
// wider than the width (the paged text screens); otherwise when it is the
// width or more.
std::vector<Text> WrapSegment(Game& game, const Text& segment, int width,
                              bool breakOnlyWhenWider);
// Draws one stored line at console row 1..20 with its markup applied.
void DrawConsoleLine(Game& game, const Text& line, int row);
// Strips markup as drawing does, for the plain transcript.
Text StripMarkup(const Text& line);
// The bar with "stiskni prosím nějakou klávesu" over the input area.
void DrawPauseBar(Game& game);

}  // namespace zarvel
