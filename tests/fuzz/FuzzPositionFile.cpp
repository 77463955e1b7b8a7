// Fuzz target: position files. The input is written as pozice_01.sav in a
// working folder of its own; the load command chooses it, then the save
// command writes the world back into the same slot.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "FuzzGame.h"
#include "rules/Rules.h"

namespace {

void EnterOwnWorkingFolder() {
  static const bool done = [] {
    // Inside the folder the fuzzer runs in, so nothing is left elsewhere.
    char folder[] = "zarvel-fuzz-position-XXXXXX";
    if (::mkdtemp(folder) == nullptr || ::chdir(folder) != 0) std::abort();
    return true;
  }();
  (void)done;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace zarvel;
  fuzz::RegisterResourcesOnce();
  EnterOwnWorkingFolder();
  FILE* file = std::fopen("pozice_01.sav", "wb");
  if (file == nullptr) std::abort();
  std::fwrite(data, 1, size, file);
  std::fclose(file);

  fuzz::FuzzGame run;
  LoadWorld(run.game);
  // "1" picks the position in the load menu and the slot in the save menu;
  // the empty line keeps the name the entry starts with.
  run.platform.SetKeyLines({"1", "1", ""});
  if (!run.Command(u"nač")) return 0;
  run.Command(u"ulož");
  return 0;
}
