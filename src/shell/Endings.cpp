// The two endings that effects request: the game over, after which the game
// starts again at once, and the outro, which leads back to the title menu.
#include "console/Console.h"
#include "console/Screen.h"
#include "console/Waits.h"
#include "game/Game.h"
#include "media/Platform.h"
#include "rules/Rules.h"
#include "shell/Shell.h"

namespace zarvel {

namespace {

// The last printed line stays in view under the pause bar until a key.
void PauseUnderLastLine(Game& game) {
  RedrawScreen(game.console);
  DrawPauseBar(game.platform);
  game.platform.Flip();
  WaitForKey(game.console);
}

}  // namespace

void ShowGameOver(Game& game) {
  game.world.pendingFlow = FlowRequest::None;
  ConsolePrint(game, u"/% *G *A *M *E   *O *V *E *R /");
  PauseUnderLastLine(game);
  game.console.linesSincePause = 1;
  game.platform.DiscardInput();
  LoadWorld(game);
  EnterLocation(game, false);
}

void PlayOutro(Game& game) {
  Text outroText;
  for (const Text& line : game.world.outroLines) outroText += line + u"/";
  ConsolePrint(game, outroText);
  PauseUnderLastLine(game);
  RunTitleMenu(game);
}

}  // namespace zarvel
