#include "TerminalWidth.h"

#include <sys/ioctl.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

namespace zarvel::tty {

int TerminalColumns(int fd) {
  if (!isatty(fd)) return 0;
  winsize size{};
  if (ioctl(fd, TIOCGWINSZ, &size) == 0 && size.ws_col > 0) {
    return size.ws_col;
  }
  // A terminal that does not tell its size (a serial line, some emulators).
  if (const char* columns = std::getenv("COLUMNS")) {
    const int value = std::atoi(columns);
    if (value > 0) return value;
  }
  return 0;
}

}  // namespace zarvel::tty
