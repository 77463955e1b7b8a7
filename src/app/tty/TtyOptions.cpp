#include "TtyOptions.h"

namespace zarvel::tty {

const char* const kTtyUsage =
    "usage: zarvel-tty [--raw] [--no-pause] [--data DIR] [--keys FILE] "
    "[--screenshot FILE]";

const char* const kTtyHelp =
    "usage: zarvel-tty [--raw] [--no-pause] [--data DIR] [--keys FILE] "
    "[--screenshot FILE]\n"
    "Zarvel in a terminal: console lines on standard output, commands from\n"
    "standard input or a key script. See zarvel-tty(6).\n"
    "  --raw              lines as the console stores them, [wait] for waits\n"
    "  --no-pause         let every wait for a key pass at once\n"
    "  --data DIR         read the data files found in DIR instead of the\n"
    "                     embedded ones\n"
    "  --keys FILE        read keys and commands from a key script\n"
    "  --screenshot FILE  write the last screen as a PNG at the end\n"
    "  --help             show this help and exit\n"
    "  --version          show the version and exit\n";

namespace {

// "--name VALUE" or "--name=VALUE".
bool TakeValue(const std::vector<std::string>& args, size_t& i,
               const std::string& name, std::string& value,
               std::string& error) {
  const std::string& arg = args[i];
  if (arg.size() > name.size() && arg.compare(0, name.size(), name) == 0 &&
      arg[name.size()] == '=') {
    value = arg.substr(name.size() + 1);
  } else if (i + 1 < args.size()) {
    value = args[++i];
  } else {
    error = name + " needs a value";
    return false;
  }
  if (value.empty()) {
    error = name + " needs a non-empty value";
    return false;
  }
  return true;
}

bool Names(const std::string& arg, const std::string& name) {
  return arg == name || arg.rfind(name + "=", 0) == 0;
}

}  // namespace

std::optional<TtyOptions> ParseTtyOptions(const std::vector<std::string>& args,
                                          std::string& error) {
  TtyOptions options;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    bool ok = true;
    if (arg == "--raw") {
      options.raw = true;
    } else if (arg == "--no-pause") {
      options.noPause = true;
    } else if (arg == "--help" || arg == "-h") {
      options.help = true;
    } else if (arg == "--version") {
      options.version = true;
    } else if (Names(arg, "--data")) {
      ok = TakeValue(args, i, "--data", options.dataDir, error);
    } else if (Names(arg, "--keys")) {
      ok = TakeValue(args, i, "--keys", options.keysFile, error);
    } else if (Names(arg, "--screenshot")) {
      ok = TakeValue(args, i, "--screenshot", options.screenshot, error);
    } else {
      error = "unknown option: " + arg;
      ok = false;
    }
    if (!ok) return std::nullopt;
  }
  return options;
}

}  // namespace zarvel::tty
