#pragma once
// Files named the way the game and its tools name them: "incbin::" + name
// is a resource of the set, anything else a path on disk (a tool's font, a
// test's file).

#include <string>

#include "media/ResourceSet.h"

namespace zarvel {

// Reads a whole named file; false when it does not exist.
bool ReadFileBytes(const ResourceSet& resources, const std::string& name,
                   std::string& bytes);

}  // namespace zarvel
