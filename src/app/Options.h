#pragma once
// The options every Zarvel program answers the same way: --help and
// --version. The version line names the release and the source revision
// the program was built from.

#include <optional>
#include <string>

namespace zarvel::app {

inline constexpr int kUsageError = 2;

// "zarvel 0.99 (git 1a2b3c4d5e6f)"; programs other than the game itself
// put their own name in front: "zarvel-tty, zarvel 0.99 (git ...)".
std::string VersionLine(const std::string& program);

// Answers --help (prints help) or --version (prints the version line) on
// standard output and returns the exit status 0; nothing for any other
// argument.
std::optional<int> AnswerInfoOption(const std::string& program,
                                    const std::string& arg,
                                    const std::string& help);

// The game's own command line: no arguments runs the game (nothing
// returned); --help and --version answer; anything else is a usage error
// told in one line on standard error.
std::optional<int> AnswerGameOptions(int argc, char** argv);

}  // namespace zarvel::app
