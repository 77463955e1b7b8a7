#include "KeyInput.h"

#include <unistd.h>

#include <cstdio>
#include <iostream>
#include <optional>

#include "LongKeyLines.h"
#include "media/headless/KeyScript.h"
#include "media/posix/DiskFiles.h"

#ifdef ZARVEL_HAVE_READLINE
#include <readline/history.h>
#include <readline/readline.h>
#endif

namespace zarvel::tty {

namespace {

// Drops what SplitScriptLines drops for a whole file: a CR before the line
// end, and a byte-order mark at the very start.
std::string CleanLine(std::string line, bool first) {
  if (!line.empty() && line.back() == '\r') line.pop_back();
  if (first && line.rfind("\xEF\xBB\xBF", 0) == 0) line.erase(0, 3);
  return line;
}

ScriptedKeyboard::LineSource PipeSource() {
  auto first = std::make_shared<bool>(true);
  return [first]() -> std::optional<std::string> {
    std::string line;
    if (!std::getline(std::cin, line)) return std::nullopt;
    line = CleanLine(std::move(line), *first);
    *first = false;
    return line;
  };
}

#ifdef ZARVEL_HAVE_READLINE
ScriptedKeyboard::LineSource TerminalSource(std::FILE* out) {
  return [out]() -> std::optional<std::string> {
    // Everything the game has written so far must be on the screen before
    // the player is asked.
    std::fflush(out);
    char* raw = readline("> ");
    if (raw == nullptr) return std::nullopt;
    std::string line(raw);
    std::free(raw);
    if (!line.empty()) add_history(line.c_str());
    return line;
  };
}
#endif

}  // namespace

bool UseKeyFile(HeadlessPlatform& platform, const std::string& path,
                std::string& error) {
  std::string bytes;
  if (!ReadDiskFile(path, bytes)) {
    error = "cannot read the key file " + path;
    return false;
  }
  platform.SetKeyLines(CutLongKeyLines(SplitScriptLines(bytes),
                                       ScriptedKeyboard::kQueueCapacity));
  return true;
}

void UseStandardInput(HeadlessPlatform& platform, std::FILE* out) {
#ifdef ZARVEL_HAVE_READLINE
  if (isatty(STDIN_FILENO)) {
    rl_outstream = out;
    platform.SetKeyLineSource(
        CutLongKeyLines(TerminalSource(out), ScriptedKeyboard::kQueueCapacity));
    return;
  }
#else
  (void)out;
#endif
  std::ios::sync_with_stdio(false);
  platform.SetKeyLineSource(
      CutLongKeyLines(PipeSource(), ScriptedKeyboard::kQueueCapacity));
}

}  // namespace zarvel::tty
