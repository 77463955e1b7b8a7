#pragma once
// Key-script lines longer than the keyboard queue. The queue drops what does
// not fit, the Enter at the end of the line with it, so the next line would
// be typed into the same command. Such a line is cut into pieces that each
// fit with room for the Enter; all but the last go without Enter, and each
// is typed when the game has taken the previous one, as a fast typist's
// keys would arrive.

#include <string>
#include <vector>

#include "media/headless/ScriptedKeyboard.h"

namespace zarvel::tty {

// The pieces of one script line, each typing at most queueCapacity - 1
// characters; a line that fits is returned whole.
std::vector<std::string> CutLongKeyLine(const std::string& line,
                                        size_t queueCapacity);
// Every line of a script through CutLongKeyLine.
std::vector<std::string> CutLongKeyLines(const std::vector<std::string>& lines,
                                         size_t queueCapacity);
// A line source whose long lines come out in pieces.
ScriptedKeyboard::LineSource CutLongKeyLines(
    ScriptedKeyboard::LineSource source, size_t queueCapacity);

}  // namespace zarvel::tty
