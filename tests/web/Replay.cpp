// zarvel-web-replay: the engine as built for the page, run under node on
// the headless platform, the way zarvel-tty runs it:
//   node zarvel-web-replay.js RESOURCES_DIR [--plain] --no-pause --raw
//        --keys FILE [--data DIR]
// With --raw it writes zarvel-tty's raw transcript, so the web build's engine
// is checked against the walkthroughs; with --plain only the console lines
// as the page's live region carries them (markup removed), one a line.
#include <cstdio>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "game/Game.h"
#include "media/Platform.h"
#include "media/headless/HeadlessPlatform.h"
#include "media/posix/DiskFiles.h"
#include "media/web/ResourceFolder.h"
#include "shell/Shell.h"
#include "tty/DataDir.h"
#include "tty/RunToEnd.h"
#include "tty/Transcript.h"

namespace {

int Fail(const std::string& message) {
  std::fprintf(stderr, "zarvel-web-replay: %s\n", message.c_str());
  return 2;
}

// The console lines as the page's live region carries them; the rest
// (holding the typing during the title cards, leaving out the title menu
// and the paged screens, which are drawn) as in the raw transcript.
class PlainLines : public zarvel::tty::TranscriptObserver {
 public:
  using TranscriptObserver::TranscriptObserver;
  void OnConsoleLine(const zarvel::Text& storedLine) override {
    WriteLine(zarvel::tty::PlainTranscriptLine(storedLine));
  }
  void OnWaitForKey() override {}
};

}  // namespace

int main(int argc, char** argv) {
  using namespace zarvel;
  std::vector<std::string> args(argv + 1, argv + argc);
  if (args.empty()) return Fail("the resource folder is missing");
  std::string error;
  ResourceSet resources;
  if (!ReadResourceFolder(args[0], resources, error)) return Fail(error);
  bool plain = false;
  bool noPause = false;
  std::string keys, data;
  for (size_t i = 1; i < args.size(); ++i) {
    if (args[i] == "--plain") {
      plain = true;
    } else if (args[i] == "--raw") {
      plain = false;
    } else if (args[i] == "--no-pause") {
      noPause = true;
    } else if (args[i] == "--keys" && i + 1 < args.size()) {
      keys = args[++i];
    } else if (args[i] == "--data" && i + 1 < args.size()) {
      data = args[++i];
    } else {
      return Fail("unknown option " + args[i]);
    }
  }
  if (!data.empty() && !tty::UseDataDir(data, resources, error)) {
    return Fail(error);
  }
  std::string script;
  if (keys.empty() || !ReadDiskFile(keys, script)) {
    return Fail("cannot read the key file " + keys);
  }

  auto platform = std::make_unique<HeadlessPlatform>(std::move(resources));
  platform->SetSkipKeyWaits(noPause);
  platform->SetKeyScript(script);
  auto game = std::make_unique<Game>(*platform);
  tty::TranscriptObserver transcript(*platform, stdout, true);
  PlainLines plainLines(*platform, stdout, true);
  if (plain) {
    game->console.observer = &plainLines;
  } else {
    platform->SetOutputSink(
        [&transcript](const std::string& line) { transcript.WriteLine(line); });
    game->console.observer = &transcript;
  }
  return tty::RunToEnd(*game);
}
