#pragma once
// The command line of zarvel-tty.

#include <optional>
#include <string>
#include <vector>

namespace zarvel::tty {

struct TtyOptions {
  bool raw = false;
  bool noPause = false;
  std::string dataDir;     // empty: the embedded data only
  std::string keysFile;    // empty: standard input
  std::string screenshot;  // empty: none
  bool help = false;
  bool version = false;
  // The player's view (without --raw): wrapping width, -1 for the
  // terminal's own (0 when standard output is not a terminal); speech.
  int width = -1;
  bool speak = false;
};

// Parses the arguments after the program name; on a bad option returns
// nothing and sets error to a one-line message.
std::optional<TtyOptions> ParseTtyOptions(const std::vector<std::string>& args,
                                          std::string& error);

extern const char* const kTtyUsage;

}  // namespace zarvel::tty
