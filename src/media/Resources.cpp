// The registry of embedded resources. It is filled once at start-up and read
// for the rest of the run, so one process-wide table is the natural home;
// overrides let the terminal runner and tests swap a resource's bytes
// without touching what was compiled in.
#include "media/Resources.h"

#include <map>
#include <memory>

#include "media/posix/DiskFiles.h"

namespace zarvel {

namespace {

struct RegisteredResource {
  std::string name;
  const unsigned char* bytes = nullptr;
  size_t size = 0;
};

struct Registry {
  std::vector<RegisteredResource> resources;  // registration order
  std::map<std::string, std::vector<unsigned char>> overrides;
};

Registry& TheRegistry() {
  static Registry registry;
  return registry;
}

}  // namespace

void RegisterResource(const std::string& name, const unsigned char* bytes,
                      size_t size) {
  Registry& registry = TheRegistry();
  for (RegisteredResource& resource : registry.resources) {
    if (resource.name == name) {
      resource.bytes = bytes;
      resource.size = size;
      return;
    }
  }
  registry.resources.push_back({name, bytes, size});
}

void OverrideResource(const std::string& name,
                      std::vector<unsigned char> bytes) {
  TheRegistry().overrides[name] = std::move(bytes);
}

void ClearResourceOverrides() { TheRegistry().overrides.clear(); }

std::vector<std::string> ResourceNames() {
  std::vector<std::string> names;
  for (const RegisteredResource& resource : TheRegistry().resources) {
    names.push_back(resource.name);
  }
  return names;
}

bool ReadFileBytes(const std::string& name, std::string& bytes) {
  if (!name.starts_with(kResourcePrefix)) return ReadDiskFile(name, bytes);
  const std::string resourceName = name.substr(kResourcePrefix.size());
  const Registry& registry = TheRegistry();
  if (auto found = registry.overrides.find(resourceName);
      found != registry.overrides.end()) {
    bytes.assign(found->second.begin(), found->second.end());
    return true;
  }
  for (const RegisteredResource& resource : registry.resources) {
    if (resource.name == resourceName) {
      bytes.assign(reinterpret_cast<const char*>(resource.bytes),
                   resource.size);
      return true;
    }
  }
  return false;
}

}  // namespace zarvel
