#pragma once
// Waiting for the player: a key to go on, and the question before quitting.
// A front end that replays a script may skip the waits for a key: that is
// its platform's choice (Platform::SkipsKeyWaits); the observer only hears
// that a wait started.

#include "console/Console.h"

namespace zarvel {

// Polls for any character; serves close requests through ConfirmQuit.
void WaitForKey(Console& console);
// The page pause's first wait for "<->" (Platform::WaitKeyPress).
void WaitKeyPressUnlessSkipped(Console& console);
// "Ukončit hru?"; OK ends the program.
void ConfirmQuit(Platform& platform);

}  // namespace zarvel
