// zarvel-tty: the whole game on the headless platform, in a terminal. Its
// virtual clock makes the intro, the credits and the fade-out take no real
// time, so a key script replays the same way every time.
#include <unistd.h>

#include <cstdio>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "DataDir.h"
#include "HelpText.h"
#include "KeyInput.h"
#include "Paragraphs.h"
#include "PlayerInput.h"
#include "PlayerView.h"
#include "RunToEnd.h"
#include "Speech.h"
#include "TerminalWidth.h"
#include "Transcript.h"
#include "TtyOptions.h"
#include "app/Options.h"
#include "game/Game.h"
#include "media/EmbeddedResources.h"
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
  if (options->help || options->version) {
    return *app::AnswerInfoOption("zarvel-tty",
                                  options->help ? "--help" : "--version",
                                  tty::TtyHelpText());
  }
  ResourceSet resources = EmbeddedResources();
  if (!options->dataDir.empty() &&
      !tty::UseDataDir(options->dataDir, resources, error)) {
    return Fail(error);
  }

  // Each line goes out when it is added, so a program that reads the reply
  // to one input line before sending the next (through pipes) sees it.
  std::setvbuf(stdout, nullptr, _IOLBF, 0);

  auto platform = std::make_unique<HeadlessPlatform>(std::move(resources));
  platform->SetSkipKeyWaits(options->noPause);
  auto game = std::make_unique<Game>(*platform);

  // --raw: the test transcript, every console line as stored.
  std::unique_ptr<tty::TranscriptObserver> transcript;
  // Otherwise the player's view.
  const int fixedWidth = options->width;
  tty::ParagraphWriter writer(stdout, [fixedWidth] {
    return fixedWidth >= 0 ? fixedWidth : tty::TerminalColumns(STDOUT_FILENO);
  });
  std::unique_ptr<tty::PlayerView> view;
  tty::Speech speech;

  if (options->raw) {
    if (!options->keysFile.empty()) {
      if (!tty::UseKeyFile(*platform, options->keysFile, error)) {
        return Fail(error);
      }
    } else {
      tty::UseStandardInput(*platform, stdout);
    }
    transcript = std::make_unique<tty::TranscriptObserver>(*platform, stdout,
                                                           options->raw);
    // Trace and confirmation lines join the console lines on one stream.
    platform->SetOutputSink([&transcript](const std::string& line) {
      transcript->WriteLine(line);
    });
    game->console.observer = transcript.get();
  } else {
    view = std::make_unique<tty::PlayerView>(*platform, writer);
    if (!tty::UsePlayerInput(*platform, *view, speech,
                             {options->keysFile, options->speak}, error)) {
      return Fail(error);
    }
    platform->SetOutputSink([&view](const std::string& line) {
      // A confirmation is part of the game; a trace line ("dropall
      // activated") is a diagnostic and stays out of the story.
      if (line.rfind("[confirm] ", 0) == 0) {
        view->WriteOwn(line);
      } else {
        std::fflush(stdout);
        std::fprintf(stderr, "%s\n", line.c_str());
      }
    });
    game->console.observer = view.get();
  }

  const int status = tty::RunToEnd(*game);
  if (!options->screenshot.empty() &&
      !platform->SavePresentedFrame(options->screenshot)) {
    std::fprintf(stderr, "zarvel-tty: cannot write the screenshot %s\n",
                 options->screenshot.c_str());
    return 1;
  }
  return status;
}
