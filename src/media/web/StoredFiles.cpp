#include "media/web/StoredFiles.h"

#include "media/web/PageBridge.h"

namespace zarvel {

bool StoredFiles::WriteReplacing(const std::string& name,
                                 const std::string& bytes) {
  return disk_.WriteReplacing(name, bytes) && zarvel_page_store_files() != 0;
}

}  // namespace zarvel
