// Waiting for the player: a key to go on, and the question before quitting.
#include "media/Platform.h"
#include "shell/Game.h"
#include "shell/Shell.h"

namespace zarvel {

void ConfirmQuit(Game& game) {
  if (game.platform.Confirm(u"Ukončit hru?", false)) game.platform.EndProgram();
}

void WaitForKey(Game& game) {
  if (game.observer && game.observer->OnWaitForKey()) return;
  const InputWaitScope waiting(game, {InputWait::Kind::Key});
  Platform& platform = game.platform;
  // Draws nothing: the last presented frame stays up while the player reads.
  while (platform.NextChar() == 0) {
    if (platform.TakeCloseRequest()) ConfirmQuit(game);
  }
}

void WaitKeyPressUnlessSkipped(Game& game) {
  if (game.observer && game.observer->OnWaitForKey()) return;
  const InputWaitScope waiting(game, {InputWait::Kind::Key});
  game.platform.WaitKeyPress();
}

}  // namespace zarvel
