// Fuzz target: position files. The input is written as pozice_01.sav in a
// folder of its own, the platform's files folder; the load command chooses
// it, then the save command writes the world back into the same slot.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "FuzzGame.h"
#include "rules/Rules.h"

namespace {

const std::string& OwnFolder() {
  static const std::string folder = [] {
    // Inside the folder the fuzzer runs in, so nothing is left elsewhere.
    char name[] = "zarvel-fuzz-position-XXXXXX";
    if (::mkdtemp(name) == nullptr) std::abort();
    return std::string(name);
  }();
  return folder;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace zarvel;
  FILE* file = std::fopen((OwnFolder() + "/pozice_01.sav").c_str(), "wb");
  if (file == nullptr) std::abort();
  std::fwrite(data, 1, size, file);
  std::fclose(file);

  fuzz::FuzzGame run;
  run.platform.SetFilesFolder(OwnFolder());
  LoadWorld(run.game);
  // "1" picks the position in the load menu and the slot in the save menu;
  // the empty line keeps the name the entry starts with.
  run.platform.SetKeyLines({"1", "1", ""});
  if (!run.Command(u"nač")) return 0;
  run.Command(u"ulož");
  return 0;
}
