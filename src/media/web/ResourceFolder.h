#pragma once
// The web build's resources are files, not bytes compiled into the
// program: the page has them in its file system (preloaded with the page),
// the node runner reads them from the build folder. The folder holds
// resources.txt, one resource name a line, and each resource under its name
// in the form the web build reads (see tools/webassets).

#include <string>

#include "media/ResourceSet.h"

namespace zarvel {

// Puts every resource the folder's list names into the set. False with a
// message naming the first that cannot be read.
bool ReadResourceFolder(const std::string& folder, ResourceSet& resources,
                        std::string& error);

}  // namespace zarvel
