#pragma once
// How wide the player's terminal is.

namespace zarvel::tty {

// The columns of the terminal on the descriptor (TIOCGWINSZ), else those
// that COLUMNS names, else 0 (no terminal: nothing is wrapped).
int TerminalColumns(int fd);

}  // namespace zarvel::tty
