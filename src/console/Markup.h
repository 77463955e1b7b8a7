#pragma once
// The markup of console lines: "%" centres the line, "*" starts a yellow
// word, "×" holds the colour in effect.

#include "console/Console.h"
#include "media/Text.h"

namespace zarvel {

// Draws one stored line at console row 1..20 with its markup applied.
void DrawConsoleLine(Console& console, const Text& line, int row);
// Strips markup as drawing does, for the plain transcript.
Text StripMarkup(const Text& line);

}  // namespace zarvel
