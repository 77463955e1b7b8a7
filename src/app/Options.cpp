#include "app/Options.h"

#include <cstdio>

#include "app/Revision.h"

namespace zarvel::app {
namespace {

constexpr const char* kGameHelp =
    "usage: zarvel [--help | --version]\n"
    "Zarvel, a Czech text adventure. Without options the game opens its\n"
    "window; saved positions (pozice_01.sav .. pozice_09.sav) are kept in\n"
    "the folder it is started from. See zarvel(6).\n"
    "  --help      show this help and exit\n"
    "  --version   show the version and exit\n";

}  // namespace

std::string VersionLine(const std::string& program) {
  std::string line = "zarvel " ZARVEL_VERSION " (git ";
  line += kSourceRevision;
  line += ")";
  return program == "zarvel" ? line : program + ", " + line;
}

std::optional<int> AnswerInfoOption(const std::string& program,
                                    const std::string& arg,
                                    const std::string& help) {
  if (arg == "--help" || arg == "-h") {
    std::fputs(help.c_str(), stdout);
    if (!help.empty() && help.back() != '\n') std::fputc('\n', stdout);
    return 0;
  }
  if (arg == "--version") {
    std::printf("%s\n", VersionLine(program).c_str());
    return 0;
  }
  return std::nullopt;
}

std::optional<int> AnswerGameOptions(int argc, char** argv) {
  if (argc < 2) return std::nullopt;
  // Like other programs, "--help --version" answers the first; any other
  // argument anywhere is refused before anything is answered.
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg != "--help" && arg != "-h" && arg != "--version") {
      std::fprintf(stderr,
                   "zarvel: unknown option '%s' (try 'zarvel --help')\n",
                   arg.c_str());
      return kUsageError;
    }
  }
  return AnswerInfoOption("zarvel", argv[1], kGameHelp);
}

}  // namespace zarvel::app
