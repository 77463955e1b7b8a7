#include "media/web/StoredFiles.h"

#include <cstdio>
#include <string>

#include "media/web/PageBridge.h"

namespace zarvel {

bool StoredFiles::WriteReplacing(const std::string& name,
                                 const std::string& bytes) {
  std::string before;
  const bool existed = disk_.Read(name, before);
  if (!disk_.WriteReplacing(name, bytes)) return false;
  if (zarvel_page_store_files() != 0) return true;
  if (existed) {
    disk_.WriteReplacing(name, before);
  } else {
    std::remove((folder_.empty() ? name : folder_ + "/" + name).c_str());
  }
  return false;
}

}  // namespace zarvel
