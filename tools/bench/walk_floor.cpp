// The floor of the terminal runner, for the benchmark: a key file played as
// `zarvel-tty --no-pause --raw --keys FILE` plays it, on a headless platform
// that keeps nothing it is asked to draw and decodes no music. Its
// transcript is the runner's, byte for byte; its time is what the runner
// would take if drawing and sound cost nothing.
#include <cstdio>
#include <memory>
#include <string>

#include "KeyInput.h"
#include "RunToEnd.h"
#include "Transcript.h"
#include "game/Game.h"
#include "media/EmbeddedResources.h"
#include "media/headless/HeadlessPlatform.h"
#include "shell/Shell.h"

int main(int argc, char** argv) {
  using namespace zarvel;
  if (argc != 2) {
    std::fprintf(stderr, "usage: zarvel-walk-floor KEY_FILE\n");
    return 2;
  }
  std::setvbuf(stdout, nullptr, _IOLBF, 0);  // as the runner writes
  auto platform = std::make_unique<HeadlessPlatform>(EmbeddedResources());
  platform->SetFramesKept(false);
  std::string error;
  if (!tty::UseKeyFile(*platform, argv[1], error)) {
    std::fprintf(stderr, "zarvel-walk-floor: %s\n", error.c_str());
    return 2;
  }
  platform->SetSkipKeyWaits(true);
  tty::TranscriptObserver transcript(*platform, stdout, /*raw=*/true);
  platform->SetOutputSink(
      [&transcript](const std::string& line) { transcript.WriteLine(line); });
  auto game = std::make_unique<Game>(*platform);
  game->console.observer = &transcript;
  return tty::RunToEnd(*game);
}
