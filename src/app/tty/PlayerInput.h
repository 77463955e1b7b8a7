#pragma once
// Where the player's view gets its lines: the terminal through readline
// (a prompt for each kind of wait, the pre-filled position name, a history
// kept across runs), a pipe, or a key file. Each line is turned into the
// keys the waiting game reads.

#include <optional>
#include <string>

#include "PlayerView.h"
#include "Speech.h"
#include "media/headless/HeadlessPlatform.h"

namespace zarvel::tty {

struct PlayerInputOptions {
  std::string keysFile;  // empty: standard input
  bool speak = false;
};

// Sets the platform's line source. False with a message when the key file
// cannot be read.
bool UsePlayerInput(HeadlessPlatform& platform, PlayerView& view,
                    Speech& speech, const PlayerInputOptions& options,
                    std::string& error);

}  // namespace zarvel::tty
