// zarvel-tty: the whole game on the headless platform, in a terminal. Its
// virtual clock makes the intro, the credits and the fade-out take no real
// time, so a key script replays the same way every time.
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "DataDir.h"
#include "KeyInput.h"
#include "Transcript.h"
#include "TtyOptions.h"
#include "game/Game.h"
#include "media/Platform.h"
#include "media/headless/HeadlessPlatform.h"
#include "shell/Shell.h"

namespace {

constexpr int kUsageError = 2;

int Fail(const std::string& message) {
  std::fprintf(stderr, "zarvel-tty: %s\n", message.c_str());
  return kUsageError;
}

}  // namespace

int main(int argc, char** argv) {
  using namespace zarvel;
  std::string error;
  const auto options = tty::ParseTtyOptions(
      std::vector<std::string>(argv + 1, argv + argc), error);
  if (!options) return Fail(error + " (" + tty::kTtyUsage + ")");
  if (options->help) {
    std::printf("%s\n", tty::kTtyUsage);
    return 0;
  }
  if (!options->dataDir.empty() && !tty::UseDataDir(options->dataDir, error)) {
    return Fail(error);
  }

  // Each line goes out when it is added, so a program that reads the reply
  // to one input line before sending the next (through pipes) sees it.
  std::setvbuf(stdout, nullptr, _IOLBF, 0);

  auto platform = std::make_unique<HeadlessPlatform>();
  if (!options->keysFile.empty()) {
    if (!tty::UseKeyFile(*platform, options->keysFile, error)) {
      return Fail(error);
    }
  } else {
    tty::UseStandardInput(*platform, stdout);
  }
  platform->SetSkipKeyWaits(options->noPause);
  tty::TranscriptObserver transcript(*platform, stdout, options->raw);
  // Trace and confirmation lines join the console lines on one stream.
  platform->SetOutputSink(
      [&transcript](const std::string& line) { transcript.WriteLine(line); });

  auto game = std::make_unique<Game>(*platform);
  game->console.observer = &transcript;
  int status = 0;
  try {
    Main(*game);
  } catch (const ProgramEnded& ended) {
    status = ended.status;
  } catch (const InputExhausted&) {
    status = 0;
  }
  std::fflush(stdout);
  if (!options->screenshot.empty() &&
      !platform->SavePresentedFrame(options->screenshot)) {
    std::fprintf(stderr, "zarvel-tty: cannot write the screenshot %s\n",
                 options->screenshot.c_str());
    return 1;
  }
  return status;
}
