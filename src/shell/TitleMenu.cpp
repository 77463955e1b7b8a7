// The title menu: start, story, information or quit, with the credits
// cycling in the green box on the intro's clock.
#include <vector>

#include "console/InputWait.h"
#include "console/Screen.h"
#include "console/Waits.h"
#include "game/Game.h"
#include "media/Platform.h"
#include "media/WrappingInt.h"
#include "shell/Credits.h"
#include "shell/Shell.h"

namespace zarvel {

namespace {

void DrawMenuScreen(Game& game) {
  DrawLogoScreen(game.console);
  DrawGridBox(game.console, 3, 8 * game.console.layout.lineHeight, 48, 48, 128);
  for (const MenuLine& line : TitleMenuLines()) {
    DrawCentred(game.console, line.text, line.row);
  }
}

void ReportMenuShown(Game& game) {
  if (!game.console.observer) return;
  std::vector<Text> lines;
  int previousRow = 0;
  for (const MenuLine& line : TitleMenuLines()) {
    // Keep the screen's gaps, so a reader sees its groups.
    if (previousRow != 0 && line.row > previousRow + 1) lines.emplace_back();
    lines.push_back(line.text);
    previousRow = line.row;
  }
  game.console.observer->OnTitleMenu(lines);
}

// The credits page of second s of the 12-second cycle, or -1 in the seconds
// 2, 5, 8 and 11, when nothing is presented and the page on the screen
// stays another second.
int CreditsPageAt(int s) {
  if (s >= 0 && s < 2) return 0;
  if (s > 2 && s < 5) return 1;
  if (s > 5 && s < 8) return 2;
  if (s > 8 && s < 11) return 3;
  return -1;
}

enum class MenuChoice { None, Start };

MenuChoice HandleMenuKey(Game& game, int code) {
  if (code == 'S' || code == 's') {
    if (game.music.on) FadeToGameMusic(game);
    game.platform.Cls();
    return MenuChoice::Start;
  }
  // Leaving from the menu needs no confirmation: the player chose it.
  if (code == 'Q' || code == 'q') game.platform.EndProgram();
  if (code == 'I' || code == 'i') ShowPagedText(game, game.world.legendText, 4);
  if (code == 'P' || code == 'p') ShowPagedText(game, game.title.storyText, 4);
  return MenuChoice::None;
}

}  // namespace

void RunTitleMenu(Game& game) {
  Platform& platform = game.platform;
  platform.DiscardInput();
  const InputWaitScope waiting(game.console, {InputWait::Kind::TitleMenu});
  bool reported = false;
  for (;;) {
    DrawMenuScreen(game);
    if (!reported) {
      ReportMenuShown(game);
      reported = true;
    }
    const int code = platform.NextChar();
    if (code > 0 && HandleMenuKey(game, code) == MenuChoice::Start) return;
    const int s =
        MillisSince(game.title.introClock, platform.ClockMillis()) / 1000;
    const int page = CreditsPageAt(s);
    if (page >= 0) {
      DrawCreditsPage(game, page);
      platform.Flip();
    }
    if (s > 11) game.title.introClock = platform.ClockMillis();
    if (platform.TakeCloseRequest()) ConfirmQuit(game.platform);
  }
}

}  // namespace zarvel
