#include "media/web/ResourceFolder.h"

#include <deque>
#include <sstream>
#include <vector>

#include "media/Resources.h"
#include "media/posix/DiskFiles.h"

namespace zarvel {

bool RegisterResourceFolder(const std::string& folder, std::string& error) {
  std::string list;
  if (!ReadDiskFile(folder + "/resources.txt", list)) {
    error = "cannot read " + folder + "/resources.txt";
    return false;
  }
  // The registry keeps pointers: the bytes stay here for the program's life.
  static std::deque<std::string> kept;
  std::istringstream lines(list);
  std::string name;
  while (std::getline(lines, name)) {
    if (name.empty()) continue;
    std::string& bytes = kept.emplace_back();
    if (!ReadDiskFile(folder + "/" + name, bytes)) {
      error = "cannot read the resource " + folder + "/" + name;
      return false;
    }
    RegisterResource(name, reinterpret_cast<const unsigned char*>(bytes.data()),
                     bytes.size());
  }
  return true;
}

// The shell registers the compiled-in resources at start-up; the web build
// has none compiled in, its front end registered the folder before.
void RegisterEmbeddedResources() {}

}  // namespace zarvel
