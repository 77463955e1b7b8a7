#pragma once
// Prompts that wait for one key: the yes/no question and the number keys of
// the slot and option menus.

#include "console/Console.h"
#include "media/Platform.h"

namespace zarvel {

// Waits for A/a (true) or N/n (false); any other key is swallowed.
bool AskYesNo(Platform& platform);
// The same, announced to the console's observer as a yes/no question.
bool AskYesNo(Console& console);
// Polls until a key chooses a number from 1 to highest (returned), or
// Escape is held (0). The key is tested first, so a number typed while
// Escape is down still chooses.
int WaitForNumber(Platform& platform, int highest);
// The number (1..9) a typed character selects in slot and option choices,
// or 0: digits, "+", and the Czech and Slovak number-row letters.
int NumberKeyOf(int code);

}  // namespace zarvel
