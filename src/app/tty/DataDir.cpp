#include "DataDir.h"

#include <array>
#include <filesystem>
#include <system_error>
#include <vector>

#include "data/World.h"
#include "media/posix/DiskFiles.h"

namespace zarvel::tty {

bool UseDataDir(const std::string& dir, ResourceSet& resources,
                std::string& error) {
  namespace fs = std::filesystem;
  std::error_code ec;
  fs::directory_iterator probe(dir, ec);  // also proves the folder readable
  if (ec || !fs::is_directory(dir, ec)) {
    error = "cannot read the data folder " + dir;
    return false;
  }
  for (const char* resource : kDataFiles) {
    const fs::path path = fs::path(dir) / fs::path(resource).filename();
    if (!fs::exists(path, ec)) continue;
    std::string bytes;
    if (!fs::is_regular_file(path, ec) || !ReadDiskFile(path.string(), bytes)) {
      error = "cannot read the data file " + path.string();
      return false;
    }
    // Read by the same rules as the embedded file: the loader decodes the
    // bytes by their byte-order mark.
    resources.Put(resource,
                  std::vector<unsigned char>(bytes.begin(), bytes.end()));
  }
  return true;
}

}  // namespace zarvel::tty
