#include "TtyOptions.h"

namespace zarvel::tty {

const char* const kTtyUsage =
    "usage: zarvel-tty [--raw] [--no-pause] [--width N] [--speak] "
    "[--data DIR] [--keys FILE] [--screenshot FILE]";

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

// A count of columns: digits only, at most 10000.
bool ParseWidth(const std::string& value, int& width, std::string& error) {
  if (value.size() > 5 ||
      value.find_first_not_of("0123456789") != std::string::npos ||
      std::stoi(value) > 10000) {
    error = "--width needs a number of columns from 0 to 10000";
    return false;
  }
  width = std::stoi(value);
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
    } else if (arg == "--speak") {
      options.speak = true;
    } else if (Names(arg, "--width")) {
      std::string value;
      ok = TakeValue(args, i, "--width", value, error) &&
           ParseWidth(value, options.width, error);
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
