#include "media/NamedFiles.h"

#include "media/posix/DiskFiles.h"

namespace zarvel {

bool ReadFileBytes(const ResourceSet& resources, const std::string& name,
                   std::string& bytes) {
  if (name.starts_with(kResourcePrefix)) return resources.Read(name, bytes);
  return ReadDiskFile(name, bytes);
}

}  // namespace zarvel
