// The game in a web page: the engine on the web platform. The page (see
// web/page/) has put the resources at /zarvel and the position folder, kept
// in IndexedDB, at /saves before this starts.
#include <cstdio>
#include <memory>
#include <string>
#include <utility>

#include "console/GameObserver.h"
#include "game/Game.h"
#include "media/web/PageBridge.h"
#include "media/web/ResourceFolder.h"
#include "media/web/WebPlatform.h"
#include "shell/Shell.h"
#include "tty/Transcript.h"

namespace {

// Tells the page each console line (for its live region, which screen
// readers read, and its transcript) and what the game waits for.
class PageObserver : public zarvel::GameObserver {
 public:
  void OnConsoleLine(const zarvel::Text& storedLine) override {
    zarvel_page_console_line(
        zarvel::tty::PlainTranscriptLine(storedLine).c_str(),
        zarvel::tty::RawTranscriptLine(storedLine).c_str());
  }
  void OnWaitForKey() override { zarvel_page_input_wait(0, 1); }
  void OnIntroCards(bool running) override {
    zarvel_page_intro_cards(running ? 1 : 0);
  }
  void OnTitleMenu(const std::vector<zarvel::Text>&) override {
    zarvel_page_title_menu();
  }
  void OnInputWait(const zarvel::InputWait& wait, bool begins) override {
    zarvel_page_input_wait(static_cast<int>(wait.kind) + 1, begins ? 1 : 0);
  }
};

}  // namespace

int main() {
  using namespace zarvel;
  std::string error;
  ResourceSet resources;
  if (!ReadResourceFolder("/zarvel", resources, error)) {
    std::fprintf(stderr, "zarvel: %s\n", error.c_str());
    return 1;
  }
  auto platform = std::make_unique<WebPlatform>(std::move(resources), "/saves");
  auto game = std::make_unique<Game>(*platform);
  PageObserver observer;
  game->console.observer = &observer;
  // Main returns only when the screen could not be opened.
  Main(*game);
  std::fprintf(stderr, "zarvel: the game's screen could not be opened\n");
  platform->EndProgram();
}
