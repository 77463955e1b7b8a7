// The system commands: debug lines, the y/z exchange, quitting, the screen
// mode, restarting and the music.

#include "commands/CommandParts.h"
#include "commands/Commands.h"
#include "console/Console.h"
#include "console/Prompts.h"
#include "game/Game.h"
#include "rules/Rules.h"

namespace zarvel {
namespace {

constexpr int kFullscreenDepth = 32;
constexpr int kWindowDepth = 0;
constexpr int kRefreshRate = 60;

// Reopening the screen resets the drawing state, so the font and the
// blending the whole game draws with are selected again.
void ReopenScreen(Game& game, int depth) {
  game.platform.OpenScreen(kCanvasWidth, kCanvasHeight, depth, kRefreshRate);
  game.platform.SelectFont(game.display.font);
  game.platform.SetBlend(BlendMode::Alpha);
}

}  // namespace

void ToggleDebug(Game& game) {
  game.debugMode = !game.debugMode;
  ConsolePrint(game, game.debugMode ? u"Debug is online" : u"Debug is offline");
}

void SwapToQwerty(Game& game) {
  if (game.console.qwertySwap) {
    ConsolePrint(game, u"Klávesnice je nastavená na QWERTY, tak tu nešil.");
    return;
  }
  game.console.qwertySwap = true;
  ConsolePrint(game, u"Přehodil jsem klávesnici na QWERTY.");
}

void SwapToQwertz(Game& game) {
  if (!game.console.qwertySwap) {
    ConsolePrint(game,
                 u"Hele, ypsilon a zet už píšeš drahnou dobu normálně, takže "
                 u"klídek, jo?");
    return;
  }
  game.console.qwertySwap = false;
  ConsolePrint(game,
               u"Přehodil jsem klávesnici na QWERTY, to jako je klasicky "
               u"česky.");
}

void AskToQuit(Game& game) {
  ConsolePrint(game, u"Chceš ukončit hru (Ano - Ne)?");
  ConsolePrint(game, u"");
  if (AskYesNo(game.console)) game.platform.EndProgram();
  ConsolePrint(game, u"Ok, tak hraj dál.");
}

void SwitchToFullscreen(Game& game) {
  if (game.display.fullscreen) {
    ConsolePrint(game,
                 u"Hra už běží ve fullscreenu, tak nevím proč bych ho měl "
                 u"otevírat znovu?");
    return;
  }
  ReopenScreen(game, kFullscreenDepth);
  game.display.fullscreen = true;
  ConsolePrint(game,
               u"Herní obrazovka byla přepnuta do celé obrazovky, zpět do "
               u"okna se vrátíš příkazem window.");
}

void SwitchToWindow(Game& game) {
  if (!game.display.fullscreen) {
    ConsolePrint(game, u"Vem si tabletku na nervy, hra běží už dávno v okně.");
    return;
  }
  ReopenScreen(game, kWindowDepth);
  game.display.fullscreen = false;
  ConsolePrint(game,
               u"Obrazovka byla přepnuta do okna, vrátit se lze zpět příkazem "
               u"fullscreen.");
}

void AskToRestart(Game& game) {
  ConsolePrint(game, u"Chceš restartovat hru (Ano - Ne)?");
  ConsolePrint(game, u"");
  if (AskYesNo(game.console)) {
    LoadWorld(game);
    EnterLocation(game, false);
    return;
  }
  ConsolePrint(game, u"Ok, tak hraj dál.");
}

void SilenceMusic(Game& game) {
  if (!game.music.on) {
    ConsolePrint(game,
                 u"Cywe ty si jeblej ne? Nic už nehraje, tak asi nic "
                 u"nevypnu, ne?");
    return;
  }
  ConsolePrint(game, u"Hudba vypnuta...");
  game.music.on = false;
  game.platform.SetPaused(game.music.channel, true);
}

void ResumeMusic(Game& game) {
  if (game.music.on) {
    ConsolePrint(game,
                 u"Hudba vříská, že uši záléhaj, ale tady hráč si chce hudbu "
                 u"pustit znovu, nechtěl bys ještě si tu muziku nějak "
                 u"přepínat? Sem snad nějaký iTunes?");
    return;
  }
  ConsolePrint(game, u"Hudba zapnuta...");
  game.platform.SetPaused(game.music.channel, false);
  game.music.on = true;
}

}  // namespace zarvel
