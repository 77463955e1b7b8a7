// The game's LoadWorld: the player may cut the slow part of loading short
// with Escape or by closing the window.
#include "shell/Game.h"

namespace zarvel {

namespace {

constexpr int kEscapeKey = 27;

}  // namespace

void LoadWorld(Game& game) {
  Platform& platform = game.platform;
  LoadWorld(game.world, [&platform] {
    return platform.IsKeyDown(kEscapeKey) || platform.TakeCloseRequest();
  });
}

}  // namespace zarvel
