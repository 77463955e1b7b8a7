#pragma once
// What the player types in the player's view, turned into what the game
// reads: the prompt that says which keys a wait takes, and the key-script
// line that gives the game exactly those keys.

#include <optional>
#include <string>

#include "game/Game.h"

namespace zarvel::tty {

// The short Czech prompt for a wait; empty for the command line and the
// name entry, whose line is prompted with "> ".
std::string PromptFor(const std::optional<InputWait>& wait);

// The key-script line for a typed line (UTF-8, no line end). Typed text is
// always literal ("{" is no token here); an empty line or "esc" is Escape
// in the menus that Escape leaves; a menu takes a line of one character as
// that key without Enter, and nothing from a longer line (a yes/no question
// also takes "ano" and "ne"); the name entry edits the pre-filled name into
// the typed one.
std::string AnswerKeyLine(const std::optional<InputWait>& wait,
                          const std::string& typed);

// Where the command history lives across runs:
// ${XDG_STATE_HOME:-$HOME/.local/state}/zarvel/history; empty when neither
// variable is set.
std::string HistoryFilePath();

}  // namespace zarvel::tty
