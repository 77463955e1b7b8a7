// Start-up and the frame loop. Everything blocks on the one thread: a frame
// serves a pending flow request, takes at most one typed character, draws,
// presents, and only then acts on the character.
#include <string>

#include "console/CommandLine.h"
#include "console/Console.h"
#include "console/Screen.h"
#include "media/Platform.h"
#include "media/Resources.h"
#include "rules/Rules.h"
#include "shell/Game.h"
#include "shell/Shell.h"

namespace zarvel {

namespace {

std::string Embedded(const char* name) {
  return std::string(kResourcePrefix) + name;
}

void OpenMedia(Game& game) {
  Platform& platform = game.platform;
  ShellSettings& shell = game.shell;
  platform.SetMouseVisible(false);
  platform.SetWindowTitle(u"Zarvel");
  platform.OpenScreen(800, 600, 0, 60);
  shell.introTrack =
      platform.LoadSound(Embedded("msx/white_mouse_ate_cat.ogg"), true);
  shell.gameTrack =
      platform.LoadSound(Embedded("msx/brighter_sides.ogg"), true);
  shell.musicChannel = platform.Play(shell.introTrack);
  shell.font =
      platform.LoadFontResource(Embedded("font/Ubuntu-C.ttf"), 20, true);
  platform.SelectFont(shell.font);
  platform.SetBlend(BlendMode::Alpha);
}

// Measured once, after the intro; a later screen-mode switch keeps them.
void PrepareTitleScreens(Game& game) {
  Platform& platform = game.platform;
  ShellSettings& shell = game.shell;
  shell.lineHeight = platform.FontHeight();
  shell.charWidth = platform.TextWidthOf(u"Z");
  shell.storyText.clear();
  for (const Text& line : game.world.introLines) shell.storyText += line + u"/";
  shell.logoImage = platform.LoadImageResource(Embedded("gfx/zarvellogo.png"));
}

}  // namespace

void StartUp(Game& game) {
  RegisterEmbeddedResources();
  OpenMedia(game);
  game.console = Console{};
  LoadWorld(game);
  PlayIntro(game);
  game.platform.DiscardInput();
  game.platform.Cls();
  PrepareTitleScreens(game);
  RunTitleMenu(game);
  ConsolePrint(game, u"");
  EnterLocation(game, false);
  ConsolePrint(game, u"");
  game.platform.DiscardInput();
}

void ServePendingFlow(Game& game) {
  World& world = game.world;
  if (world.pendingFlow == u"endcredits") ShowGameOver(game);
  if (world.pendingFlow == u"roomreload") {
    EnterLocation(game, true);
    // A request raised by this quiet entry itself is dropped on purpose.
    world.pendingFlow.clear();
  }
  if (world.pendingFlow == u"outro") {
    world.pendingFlow.clear();
    PlayOutro(game);
    LoadWorld(game);
    EnterLocation(game, false);
  }
}

void RunMainLoopFrame(Game& game) {
  Platform& platform = game.platform;
  ServePendingFlow(game);
  const int code = platform.NextChar();
  RedrawScreen(game);
  DrawCommandLine(game);
  platform.Flip();
  // The character acts after the frame is shown; its effect shows next frame.
  if (code > 0) HandleCommandChar(game, code);
  if (platform.TakeCloseRequest()) ConfirmQuit(game);
}

void Main(Game& game) {
  StartUp(game);
  for (;;) RunMainLoopFrame(game);
}

}  // namespace zarvel
