#pragma once
// The game's icon, compiled into the game program by the build.

namespace zarvel::app {

// Registers the icon picture under the desktop platform's window-icon
// resource name.
void RegisterWindowIcon();

}  // namespace zarvel::app
