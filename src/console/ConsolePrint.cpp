// Printing into the console: lines scroll in one per frame, and the player
// is stopped at every full page so no line scrolls away unread.
#include <algorithm>

#include "console/Console.h"
#include "console/Screen.h"
#include "media/Platform.h"
#include "shell/Game.h"
#include "shell/Shell.h"

namespace zarvel {

namespace {

constexpr char16_t kQuoteOpen = u'\u201E';  // „
const Text kForcedPause = u"<->";

// The page check runs after the new line is already stored, so the pause
// screen shows it at the bottom.
void CheckPage(Game& game, const Text& line) {
  Console& console = game.console;
  const bool forced = line == kForcedPause;
  if (forced) WaitKeyPressUnlessSkipped(game);
  if (console.lines[0].find(kQuoteOpen) != Text::npos) {
    console.quoteSeen = true;
  }
  if (console.linesSincePause >= 20 || forced) {
    RedrawScreen(game);
    DrawPauseBar(game);
    game.platform.Flip();
    WaitForKey(game);
    console.linesSincePause = 1;
  }
}

void AddConsoleLine(Game& game, const Text& line) {
  Console& console = game.console;
  std::rotate(console.lines.begin(), console.lines.begin() + 1,
              console.lines.end());
  console.lines[kConsoleRows - 1] = line == kForcedPause ? Text() : line;
  if (game.observer) game.observer->OnConsoleLine(console.lines.back());
  CheckPage(game, line);
  RedrawScreen(game);
  game.platform.Flip();
  ++console.linesSincePause;
}

}  // namespace

void ConsolePrint(Game& game, const Text& text) {
  if (game.observer) game.observer->OnConsolePrint(text);
  for (const Text& segment : SplitText(text, u"/")) {
    for (const Text& line : WrapSegment(game, segment, kWrapWidth, false)) {
      AddConsoleLine(game, line);
    }
  }
  // What was typed while the text scrolled is not meant for what follows.
  game.platform.DiscardInput();
}

}  // namespace zarvel
