// The game's LoadWorld: the player may cut the slow part of loading short
// with Escape or by closing the window.
#include "game/Game.h"

#include "media/Keys.h"

namespace zarvel {

void LoadWorld(Game& game) {
  Platform& platform = game.platform;
  LoadWorld(game.world, platform.Resources(), [&platform] {
    return platform.IsKeyDown(kKeyEscape) || platform.TakeCloseRequest();
  });
}

}  // namespace zarvel
