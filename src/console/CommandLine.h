#pragma once
// The command line in the input bar: prompt, blinking cursor, editing at its
// end, the y/z exchange, and Enter handing the typed line back.

#include <optional>

#include "console/Console.h"
#include "media/Text.h"

namespace zarvel {

// Draws ">" + text at (22, 570) and, in the even half-seconds, the yellow
// cursor after it. Shared with the position-name entry.
void DrawEntryLine(Platform& platform, const Text& text);
// Draws the command line (console.inputLine).
void DrawCommandLine(Console& console);
// Handles one typed character code (> 0). Enter empties the line and starts
// a new page count; a line that is not empty is echoed as ">" + line and
// returned, for the caller to carry out.
std::optional<Text> HandleCommandChar(Console& console, int code);

}  // namespace zarvel
