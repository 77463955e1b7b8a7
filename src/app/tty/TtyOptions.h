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
};

// Parses the arguments after the program name; on a bad option returns
// nothing and sets error to a one-line message.
std::optional<TtyOptions> ParseTtyOptions(const std::vector<std::string>& args,
                                          std::string& error);

extern const char* const kTtyUsage;
// The usage line and what each option does.
extern const char* const kTtyHelp;

}  // namespace zarvel::tty
