#pragma once
// --data DIR: the data files found in DIR replace the embedded ones.

#include <string>

#include "media/ResourceSet.h"

namespace zarvel::tty {

// Replaces in the set every one of the fifteen data files present in the
// folder. False with a message when the folder or a file in it cannot be
// read.
bool UseDataDir(const std::string& dir, ResourceSet& resources,
                std::string& error);

}  // namespace zarvel::tty
