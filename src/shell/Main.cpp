// Start-up and the frame loop. Everything blocks on the one thread: a frame
// serves a pending flow request, takes at most one typed character, draws,
// presents, and only then acts on the character.
#include <optional>
#include <string>

#include "commands/Commands.h"
#include "console/CommandLine.h"
#include "console/Console.h"
#include "console/Screen.h"
#include "console/Waits.h"
#include "game/Game.h"
#include "media/Platform.h"
#include "media/ResourceSet.h"
#include "rules/Rules.h"
#include "shell/Shell.h"

namespace zarvel {

namespace {

std::string Embedded(const char* name) {
  return std::string(kResourcePrefix) + name;
}

bool OpenMedia(Game& game) {
  Platform& platform = game.platform;
  MusicState& music = game.music;
  platform.SetMouseVisible(false);
  platform.SetWindowTitle(u"Zarvel");
  if (!platform.OpenScreen(kCanvasWidth, kCanvasHeight, 0, 60)) return false;
  music.introTrack =
      platform.LoadSound(Embedded("msx/white_mouse_ate_cat.ogg"), true);
  music.gameTrack =
      platform.LoadSound(Embedded("msx/brighter_sides.ogg"), true);
  music.channel = platform.Play(music.introTrack);
  game.display.font =
      platform.LoadFontResource(Embedded("font/Ubuntu-C.ttf"), 20, true);
  platform.SelectFont(game.display.font);
  platform.SetBlend(BlendMode::Alpha);
  return true;
}

// Measured once, after the intro; a later screen-mode switch keeps them.
void PrepareTitleScreens(Game& game) {
  Platform& platform = game.platform;
  ScreenLayout& layout = game.console.layout;
  layout.lineHeight = platform.FontHeight();
  layout.charWidth = platform.TextWidthOf(u"Z");
  Text& story = game.title.storyText;
  story.clear();
  for (const Text& line : game.world.introLines) story += line + u"/";
  layout.logoImage = platform.LoadImageResource(Embedded("gfx/zarvellogo.png"));
}

// The debug mode's state after each command: room, where item 61 is, and
// counter 1.
void PrintDebugLines(Game& game) {
  World& world = game.world;
  const ItemRecord* item = world.Item(61);
  const Counter* counter = world.CounterAt(1);
  ConsolePrint(game, u"RM: " + FormatInt(world.currentRoom));
  ConsolePrint(game, u"P:" + FormatInt(item ? item->location : 0));
  ConsolePrint(game, counter ? counter->state : Text());
  ConsolePrint(game, FormatInt(counter ? counter->value : 0));
}

}  // namespace

// The front end made the platform with the game's resources; they are all
// in place before this runs.
bool StartUp(Game& game) {
  if (!OpenMedia(game)) return false;
  game.console.ClearText();
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
  return true;
}

void ServePendingFlow(Game& game) {
  World& world = game.world;
  if (world.pendingFlow == FlowRequest::EndCredits) ShowGameOver(game);
  if (world.pendingFlow == FlowRequest::RoomReload) {
    EnterLocation(game, true);
    // A request raised by this quiet entry itself is dropped on purpose.
    world.pendingFlow = FlowRequest::None;
  }
  if (world.pendingFlow == FlowRequest::Outro) {
    world.pendingFlow = FlowRequest::None;
    PlayOutro(game);
    LoadWorld(game);
    EnterLocation(game, false);
  }
}

void RunMainLoopFrame(Game& game) {
  Platform& platform = game.platform;
  ServePendingFlow(game);
  const int code = platform.NextChar();
  RedrawScreen(game.console);
  DrawCommandLine(game.console);
  platform.Flip();
  // The character acts after the frame is shown; its effect shows next frame.
  if (code > 0) {
    if (const std::optional<Text> line =
            HandleCommandChar(game.console, code)) {
      DispatchCommand(game, *line);
      if (game.debugMode) PrintDebugLines(game);
    }
  }
  if (platform.TakeCloseRequest()) ConfirmQuit(platform);
}

bool Main(Game& game) {
  if (!StartUp(game)) return false;
  for (;;) RunMainLoopFrame(game);
}

}  // namespace zarvel
