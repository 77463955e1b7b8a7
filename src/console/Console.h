#pragma once
// The 20-line text area of the game screen and the one operation through
// which every text reaches the player.

#include <array>
#include <vector>

#include "console/GameObserver.h"
#include "console/ScreenLayout.h"
#include "media/Platform.h"
#include "media/Text.h"

namespace zarvel {

inline constexpr int kConsoleRows = 20;
inline constexpr int kConsoleLeft = 22;
inline constexpr int kWrapWidth = 756;

// The text console on the platform it draws with: the rows, the page
// counter, the highlighting state, the command line being typed, the
// layout metrics of the text screens and the front end's observer.
struct Console {
  explicit Console(Platform& platformToUse) : platform(platformToUse) {}

  // Empties the text area (rows, page counter, highlighting); the command
  // line, the layout and the observer stay.
  void ClearText() {
    lines = {};
    linesSincePause = 1;
    highlightMode = 0;
    quoteSeen = false;
  }

  Platform& platform;
  // lines[0] is row 1 (top), lines[19] row 20 (bottom, newest).
  std::array<Text, kConsoleRows> lines{};
  int linesSincePause = 1;
  int highlightMode = 0;  // 0 normal, 1 highlighted word, 2 hold
  bool quoteSeen = false;
  // The command line being typed, and whether y and z are exchanged.
  Text inputLine;
  bool qwertySwap = false;
  ScreenLayout layout;
  GameObserver* observer = nullptr;  // not owned; may be null
};

// Breaks the text at "/" and at the wrapping width, scrolls each line in
// (one redraw and Flip per line), pauses at full pages and "<->", and
// finally discards pending keyboard input.
void ConsolePrint(Console& console, const Text& text);

}  // namespace zarvel
