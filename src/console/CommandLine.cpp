// The command line: typed at its end only, with the y/z exchange for players
// whose keyboard layout differs from the keys they look at.
#include "console/CommandLine.h"

#include "commands/Commands.h"
#include "console/Console.h"
#include "media/Keys.h"
#include "media/Platform.h"
#include "shell/Game.h"

namespace zarvel {

namespace {

constexpr int kLineWidthLimit = 700;
const Text kPrompt = u">";

int SwapYZ(int code) {
  if (code == 'z') return 'y';
  if (code == 'y') return 'z';
  return code;
}

// The limit is tested before the character goes in, so a full line may end
// one character past 700 px — still short of the 756 px wrapping width, so
// the echo of a command never wraps by width.
void AppendChar(Game& game, int code) {
  Text& line = game.shell.inputLine;
  if (game.platform.TextWidthOf(kPrompt + line) < kLineWidthLimit) {
    line += CharText(code);
  }
}

void PrintDebugLines(Game& game) {
  World& world = game.world;
  const ItemRecord* item = world.Item(61);
  const Counter* counter = world.CounterAt(1);
  ConsolePrint(game, u"RM: " + FormatInt(world.currentRoom));
  ConsolePrint(game, u"P:" + FormatInt(item ? item->location : 0));
  ConsolePrint(game, counter ? counter->state : Text());
  ConsolePrint(game, FormatInt(counter ? counter->value : 0));
}

void SubmitCommandLine(Game& game) {
  game.console.linesSincePause = 1;
  const Text line = game.shell.inputLine;
  if (!line.empty()) {
    ConsolePrint(game, kPrompt + line);
    DispatchCommand(game, line);
    if (game.shell.debugMode) PrintDebugLines(game);
  }
  game.shell.inputLine.clear();
}

}  // namespace

void DrawEntryLine(Game& game, const Text& text) {
  Platform& platform = game.platform;
  platform.SetColor(255, 255, 255);
  platform.DrawTextAt(kPrompt + text, 22, 570);
  if ((platform.ClockMillis() / 500) % 2 == 0) {
    const int x =
        22 + platform.TextWidthOf(text) + 1 + platform.TextWidthOf(kPrompt);
    platform.SetColor(255, 255, 0);
    platform.DrawRect(static_cast<float>(x), 570, 14, 22);
  }
  platform.SetColor(255, 255, 255);
}

void DrawCommandLine(Game& game) { DrawEntryLine(game, game.shell.inputLine); }

void HandleCommandChar(Game& game, int code) {
  if (code == kKeyEnter) {
    SubmitCommandLine(game);
  } else if (code == kKeyBackspace) {
    if (!game.shell.inputLine.empty()) game.shell.inputLine.pop_back();
  } else {
    AppendChar(game, game.shell.qwertySwap ? SwapYZ(code) : code);
  }
}

}  // namespace zarvel
