#include "media/web/ResourceFolder.h"

#include <sstream>
#include <vector>

#include "media/posix/DiskFiles.h"

namespace zarvel {

bool ReadResourceFolder(const std::string& folder, ResourceSet& resources,
                        std::string& error) {
  std::string list;
  if (!ReadDiskFile(folder + "/resources.txt", list)) {
    error = "cannot read " + folder + "/resources.txt";
    return false;
  }
  std::istringstream lines(list);
  std::string name;
  while (std::getline(lines, name)) {
    if (name.empty()) continue;
    std::string bytes;
    if (!ReadDiskFile(folder + "/" + name, bytes)) {
      error = "cannot read the resource " + folder + "/" + name;
      return false;
    }
    resources.Put(name, std::vector<unsigned char>(bytes.begin(), bytes.end()));
  }
  return true;
}

}  // namespace zarvel
