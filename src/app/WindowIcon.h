#pragma once
// The game's icon, compiled into the game program by the build.

#include "media/ResourceSet.h"

namespace zarvel::app {

// Adds the icon picture under the desktop platform's window-icon resource
// name.
void AddWindowIcon(ResourceSet& resources);

}  // namespace zarvel::app
