#pragma once
// The web build's resources are files, not bytes compiled into the
// program: the page has them in its file system (preloaded with the page),
// the node runner reads them from the build folder. The folder holds
// resources.txt, one resource name a line, and each resource under its name.

#include <string>

namespace zarvel {

// Registers every resource the folder's list names. False with a message
// naming the first that cannot be read.
bool RegisterResourceFolder(const std::string& folder, std::string& error);

}  // namespace zarvel
