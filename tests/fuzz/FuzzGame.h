#pragma once
// A whole game on the headless platform for the fuzz targets: the embedded
// data, no waits for keys, and the exceptions that end a run of commands
// (the key script ran out, the program was told to end) caught.

#include <string>
#include <string_view>
#include <vector>

#include "commands/Commands.h"
#include "game/Game.h"
#include "media/EmbeddedResources.h"
#include "media/Text.h"
#include "media/headless/HeadlessPlatform.h"
#include "media/headless/ScriptedKeyboard.h"
#include "shell/Shell.h"

namespace zarvel::fuzz {

// Drawing is not what the targets test, and the software renderer would
// take most of each run: it draws and presents nothing here. A flip moves
// the virtual clock on by a frame at 60 frames per second, so waits that
// count frames or time still end; the keys work as in the headless
// platform.
class NoDrawingPlatform : public HeadlessPlatform {
 public:
  NoDrawingPlatform() : HeadlessPlatform(EmbeddedResources()) {}
  void Flip() override { clock().Advance(17); }
  void Cls() override {}
  void DrawRect(float, float, float, float) override {}
  void DrawLine(float, float, float, float) override {}
  void DrawImageAt(ImageHandle, float, float) override {}
  void DrawTextAt(const std::u16string&, float, float) override {}
};

struct FuzzGame {
  NoDrawingPlatform platform;
  Game game{platform};
  FuzzGame() { platform.SetSkipKeyWaits(true); }

  // Runs one command and what the main loop does after it; false when the
  // run has ended (script exhausted or program ended).
  bool Command(const Text& line) {
    try {
      DispatchCommand(game, line);
      ServePendingFlow(game);
    } catch (const InputExhausted&) {
      return false;
    } catch (const ProgramEnded&) {
      return false;
    }
    return true;
  }
};

// Splits the fuzzer's bytes at a separator that the seeds use between
// parts (a data file and the next, a condition list and an effect list).
inline std::vector<std::string_view> SplitInput(std::string_view bytes,
                                                std::string_view separator) {
  std::vector<std::string_view> parts;
  for (;;) {
    const size_t at = bytes.find(separator);
    parts.push_back(bytes.substr(0, at));
    if (at == std::string_view::npos) return parts;
    bytes.remove_prefix(at + separator.size());
  }
}

}  // namespace zarvel::fuzz
