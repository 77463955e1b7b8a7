// Printing into the console: lines scroll in one per frame, and the player
// is stopped at every full page so no line scrolls away unread.
#include <algorithm>

#include "console/Console.h"
#include "console/Screen.h"
#include "console/Waits.h"
#include "console/Wrapping.h"
#include "media/Platform.h"

namespace zarvel {

namespace {

constexpr char16_t kQuoteOpen = u'\u201E';  // „
const Text kForcedPause = u"<->";

// The page check runs after the new line is already stored, so the pause
// screen shows it at the bottom.
void CheckPage(Console& console, const Text& line) {
  const bool forced = line == kForcedPause;
  if (forced) WaitKeyPressUnlessSkipped(console);
  if (console.lines[0].find(kQuoteOpen) != Text::npos) {
    console.quoteSeen = true;
  }
  if (console.linesSincePause >= 20 || forced) {
    RedrawScreen(console);
    DrawPauseBar(console.platform);
    console.platform.Flip();
    WaitForKey(console);
    console.linesSincePause = 1;
  }
}

void AddConsoleLine(Console& console, const Text& line) {
  std::rotate(console.lines.begin(), console.lines.begin() + 1,
              console.lines.end());
  console.lines[kConsoleRows - 1] = line == kForcedPause ? Text() : line;
  if (console.observer) console.observer->OnConsoleLine(console.lines.back());
  CheckPage(console, line);
  RedrawScreen(console);
  console.platform.Flip();
  ++console.linesSincePause;
}

}  // namespace

void ConsolePrint(Console& console, const Text& text) {
  if (console.observer) console.observer->OnConsolePrint(text);
  for (const Text& segment : SplitText(text, u"/")) {
    for (const Text& line :
         WrapSegment(console.platform, segment, kWrapWidth, false)) {
      AddConsoleLine(console, line);
    }
  }
  // What was typed while the text scrolled is not meant for what follows.
  console.platform.DiscardInput();
}

}  // namespace zarvel
