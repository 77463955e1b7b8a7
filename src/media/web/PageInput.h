#pragma once
// The page's keyboard and window events as the web platform takes them:
// kept by the page until asked for, so the program is never called back
// while it waits.

#include "media/desktop/InputState.h"

namespace zarvel {

enum class PageEvent : int {
  Char = 1,     // a typed UTF-16 unit (Enter, Backspace, Tab, Escape too)
  KeyDown = 2,  // a key code 1..255, not for repeats
  KeyUp = 3,
  Discard = 4,  // the page lost or gained focus: everything typed goes
};

// Applies the page's pending events to the input state; true when any
// arrived.
bool TakePageInput(InputState& input);

}  // namespace zarvel
