// The story and information screens: a "/"-separated text on framed pages
// of at most 16 lines, each page ended by a key.
#include <vector>

#include "console/Console.h"
#include "console/Screen.h"
#include "console/Waits.h"
#include "console/Wrapping.h"
#include "game/Game.h"
#include "media/Platform.h"
#include "shell/Shell.h"

namespace zarvel {

namespace {

constexpr int kRowsPerPage = 16;

class PagedScreen {
 public:
  PagedScreen(Game& game, int topRow) : game_(game), topRow_(topRow) {
    DrawScreenFrame(game_.console);
  }

  void AddLine(const Text& line) {
    if (static_cast<int>(page_.size()) == kRowsPerPage) {
      FinishPage();
      DrawScreenFrame(game_.console);
    }
    const ScreenLayout& layout = game_.console.layout;
    // Markup is drawn as it stands: these texts are not console lines.
    game_.platform.DrawTextAt(
        line, static_cast<float>(11 * layout.charWidth),
        static_cast<float>((static_cast<int>(page_.size()) + topRow_) *
                           layout.lineHeight));
    page_.push_back(line);
  }

  // Prompt, present, wait for a key and forget what else was typed.
  void FinishPage() {
    Platform& platform = game_.platform;
    const Text prompt = u"…stiskni klávesu…";
    platform.DrawTextAt(
        prompt, static_cast<float>(400 - platform.TextWidthOf(prompt) / 2),
        static_cast<float>((kRowsPerPage + topRow_ + 1) *
                           game_.console.layout.lineHeight));
    platform.Flip();
    if (game_.console.observer) game_.console.observer->OnTextPage(page_);
    page_.clear();
    WaitForKey(game_.console);
    platform.DiscardInput();
  }

 private:
  Game& game_;
  int topRow_;
  std::vector<Text> page_;
};

}  // namespace

void ShowPagedText(Game& game, const Text& text, int topRow) {
  const int columnWidth = kCanvasWidth - 22 * game.console.layout.charWidth;
  PagedScreen screen(game, topRow);
  for (const Text& segment : SplitText(text, u"/")) {
    for (const Text& line :
         WrapSegment(game.platform, segment, columnWidth, true)) {
      screen.AddLine(line);
    }
  }
  screen.FinishPage();
}

}  // namespace zarvel
