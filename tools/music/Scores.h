#pragma once
// The two pieces of the game, each written out as code over the synthesiser.

#include "Synth.h"

namespace music {

// "White mouse ate cat": the intro and the title menu. Sparse and uneasy: a
// low breathing drone, wind, a muffled heartbeat and lone bell notes that
// rub against each other.
Stereo WhiteMouseAteCat();
// "Brighter sides": the game. Calm enough to leave on for an hour: slow
// pad chords in A minor, a soft bass and an unhurried plucked figure.
Stereo BrighterSides();

}  // namespace music
