#include "DataDir.h"

#include <array>
#include <filesystem>
#include <system_error>
#include <vector>

#include "media/Resources.h"

namespace zarvel::tty {

namespace {

constexpr std::array<const char*, 15> kDataFiles = {
    "predmety.txt",   "inicializace.txt", "lokace.txt",  "prozkoumej.txt",
    "pouzij.txt",     "irpg.txt",         "rpg.txt",     "takeaction.txt",
    "dropaction.txt", "legenda.txt",      "slovnik.txt", "intro.txt",
    "mluv.txt",       "outro.txt",        "help.txt"};

}  // namespace

bool UseDataDir(const std::string& dir, std::string& error) {
  namespace fs = std::filesystem;
  std::error_code ec;
  fs::directory_iterator probe(dir, ec);  // also proves the folder readable
  if (ec || !fs::is_directory(dir, ec)) {
    error = "cannot read the data folder " + dir;
    return false;
  }
  for (const char* name : kDataFiles) {
    const fs::path path = fs::path(dir) / name;
    if (!fs::exists(path, ec)) continue;
    std::string bytes;
    if (!fs::is_regular_file(path, ec) ||
        !ReadFileBytes(path.string(), bytes)) {
      error = "cannot read the data file " + path.string();
      return false;
    }
    // Read by the same rules as the embedded file: the loader decodes the
    // bytes by their byte-order mark.
    OverrideResource(std::string("dat/") + name,
                     std::vector<unsigned char>(bytes.begin(), bytes.end()));
  }
  return true;
}

}  // namespace zarvel::tty
