// Fuzz target: the data loader and the engine on damaged data. The input is
// one or several data files, each a selector byte (which of the fifteen,
// modulo 15) followed by its bytes, separated by kNextFile. They replace the
// shipped files; then the world is loaded, the start location entered and a
// dozen commands run.
#include <cstddef>
#include <cstdint>

#include "FuzzGame.h"
#include "data/World.h"
#include "rules/Rules.h"

namespace {

constexpr std::string_view kNextFile = "\n#next-file#\n";

const char16_t* const kCommands[] = {
    u"r",          u"i",          u"s",           u"prozkoumej skříň",
    u"seber klíč", u"j",          u"pouzij klíč", u"mluv stařena",
    u"1",          u"polož klíč", u"v",           u"pomoc",
    u"z",
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace zarvel;
  fuzz::FuzzGame run;
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  for (std::string_view part : fuzz::SplitInput(input, kNextFile)) {
    if (part.empty()) continue;
    const char* file = kDataFiles[static_cast<uint8_t>(part[0]) % 15];
    part.remove_prefix(1);
    run.platform.Resources().Put(
        file, std::vector<unsigned char>(part.begin(), part.end()));
  }
  // Answers for the questions and menus that some commands open.
  run.platform.SetKeyLines({"1", "a", "1", "2", "{esc}"});
  LoadWorld(run.game);
  try {
    EnterLocation(run.game, false);
  } catch (const InputExhausted&) {
    return 0;
  }
  for (const char16_t* command : kCommands) {
    if (!run.Command(command)) break;
  }
  return 0;
}
