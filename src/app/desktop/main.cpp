// The game a player starts: the embedded adventure on the desktop platform.

#include <cstdio>
#include <string>
#include <utility>

#include "app/Options.h"
#include "app/WindowIcon.h"
#include "game/Game.h"
#include "media/EmbeddedResources.h"
#include "media/desktop/DesktopPlatform.h"
#include "shell/Shell.h"

int main(int argc, char** argv) {
  if (auto status = zarvel::app::AnswerGameOptions(argc, argv)) return *status;
  zarvel::ResourceSet resources = zarvel::EmbeddedResources();
  zarvel::app::AddWindowIcon(resources);
  zarvel::DesktopPlatform platform(std::move(resources));
  std::string error;
  if (!platform.Start(error)) {
    std::fprintf(stderr,
                 "zarvel: no display to open the game window on (%s); "
                 "start the game on a graphical desktop\n",
                 error.c_str());
    return 1;
  }
  zarvel::Game game(platform);
  if (!zarvel::Main(game)) {
    std::fprintf(stderr, "zarvel: cannot open the game window: %s\n",
                 platform.ScreenError().c_str());
    return 1;
  }
}
