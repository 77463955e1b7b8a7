#pragma once
// The text of zarvel-tty --help.

namespace zarvel::tty {

// How to run the program and how to play in a terminal or with a screen
// reader; starts with the usage line.
const char* TtyHelpText();

}  // namespace zarvel::tty
