#include "PlayerInput.h"

#include <langinfo.h>
#include <unistd.h>

#include <clocale>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <memory>

#include "Answers.h"
#include "media/headless/KeyScript.h"
#include "media/posix/DiskFiles.h"

#ifdef ZARVEL_HAVE_READLINE
#include <readline/history.h>
#include <readline/readline.h>
#endif

namespace zarvel::tty {

namespace {

// Reads one line for a wait; nothing at the end of the input.
using LineReader = std::function<std::optional<std::string>(
    const std::optional<InputWait>& wait, const std::string& prompt)>;

std::string CleanLine(std::string line, bool first) {
  if (!line.empty() && line.back() == '\r') line.pop_back();
  if (first && line.rfind("\xEF\xBB\xBF", 0) == 0) line.erase(0, 3);
  return line;
}

#ifdef ZARVEL_HAVE_READLINE

// Readline's hooks take no argument, so what they need for the one line
// being read is handed over here, set only while readline runs.
struct ReadlineCall {
  const std::string* prefill = nullptr;
  Speech* speech = nullptr;
  bool keyTaken = false;
};
ReadlineCall* activeCall = nullptr;

int InsertPrefill() {
  if (activeCall && activeCall->prefill && !activeCall->prefill->empty()) {
    rl_insert_text(activeCall->prefill->c_str());
  }
  return 0;
}

// The first key of a line silences the speech: the player has started.
int GetKeyStoppingSpeech(FILE* stream) {
  const int key = rl_getc(stream);
  if (activeCall && !activeCall->keyTaken) {
    activeCall->keyTaken = true;
    if (activeCall->speech) activeCall->speech->Cancel();
  }
  return key;
}

// Line editing that suits a screen reader: no bell, no bracketed-paste
// escapes, Tab types a Tab instead of completing file names, and letters
// with diacritics edited as one character.
void PrepareReadline(std::FILE* out) {
  if (std::setlocale(LC_CTYPE, "") == nullptr ||
      std::strcmp(nl_langinfo(CODESET), "UTF-8") != 0) {
    std::setlocale(LC_CTYPE, "C.UTF-8");
  }
  rl_readline_name = "zarvel";
  rl_outstream = out;
  rl_initialize();
  rl_variable_bind("bell-style", "none");
  rl_variable_bind("enable-bracketed-paste", "off");
  rl_bind_key('\t', rl_insert);
  rl_startup_hook = InsertPrefill;
  rl_getc_function = GetKeyStoppingSpeech;
  using_history();
}

// The history file exists (append_history needs it) and is kept short.
void OpenHistory(const std::string& path) {
  if (path.empty()) return;
  std::error_code ec;
  std::filesystem::create_directories(std::filesystem::path(path).parent_path(),
                                      ec);
  if (std::FILE* touch = std::fopen(path.c_str(), "a")) std::fclose(touch);
  read_history(path.c_str());
  history_truncate_file(path.c_str(), 1000);
}

LineReader TerminalReader(Speech& speech) {
  const std::string historyFile = HistoryFilePath();
  OpenHistory(historyFile);
  return [&speech, historyFile](
             const std::optional<InputWait>& wait,
             const std::string& prompt) -> std::optional<std::string> {
    std::string prefill;
    if (wait && wait->kind == InputWait::Kind::Name) {
      prefill = TextToUtf8(wait->initial);
    }
    ReadlineCall call{&prefill, &speech, false};
    activeCall = &call;
    // The prompt starts its own line; a command or a name is typed after
    // "> ", an answer right after the prompt that says what it takes.
    const std::string shown = prompt.empty() ? "> " : prompt + " ";
    char* raw = readline(shown.c_str());
    activeCall = nullptr;
    if (raw == nullptr) return std::nullopt;
    std::string line(raw);
    std::free(raw);
    if (!wait && !line.empty()) {
      add_history(line.c_str());
      if (!historyFile.empty()) append_history(1, historyFile.c_str());
    }
    return line;
  };
}
#endif

// A pipe or a file: the prompt is written as a line of its own, since the
// reader of the output sees no typing.
LineReader StreamReader(PlayerView& view, Speech& speech) {
  std::ios::sync_with_stdio(false);
  auto first = std::make_shared<bool>(true);
  return [&view, &speech, first](
             const std::optional<InputWait>&,
             const std::string& prompt) -> std::optional<std::string> {
    if (!prompt.empty()) view.WriteOwn(prompt);
    std::fflush(stdout);
    std::string line;
    if (!std::getline(std::cin, line)) return std::nullopt;
    speech.Cancel();
    line = CleanLine(std::move(line), *first);
    *first = false;
    return line;
  };
}

}  // namespace

bool UsePlayerInput(HeadlessPlatform& platform, PlayerView& view,
                    Speech& speech, const PlayerInputOptions& options,
                    std::string& error) {
  const bool speak = options.speak;
  if (!options.keysFile.empty()) {
    // A key script stays a key script: its tokens work and its lines are
    // typed as they stand, but the prompts show where the game waited.
    std::string bytes;
    if (!ReadDiskFile(options.keysFile, bytes)) {
      error = "cannot read the key file " + options.keysFile;
      return false;
    }
    auto lines =
        std::make_shared<std::vector<std::string>>(SplitScriptLines(bytes));
    auto next = std::make_shared<size_t>(0);
    platform.SetKeyLineSource(
        [&view, &speech, speak, lines, next]() -> std::optional<std::string> {
          const std::vector<std::string> fresh = view.TakeNewParagraphs();
          if (speak) speech.Say(fresh);
          if (*next >= lines->size()) return std::nullopt;
          const std::string prompt = PromptFor(view.CurrentWait());
          if (!prompt.empty()) view.WriteOwn(prompt);
          speech.Cancel();
          return (*lines)[(*next)++];
        });
    return true;
  }

  const bool terminal = isatty(STDIN_FILENO) != 0;
  LineReader reader;
#ifdef ZARVEL_HAVE_READLINE
  if (terminal) {
    PrepareReadline(stdout);
    reader = TerminalReader(speech);
  }
#endif
  if (!reader) reader = StreamReader(view, speech);
  platform.SetKeyLineSource([&view, &speech, speak, reader,
                             terminal]() -> std::optional<std::string> {
    // Everything the game has written must be out before the player is
    // asked, and spoken in order.
    std::fflush(stdout);
    const std::vector<std::string> fresh = view.TakeNewParagraphs();
    if (speak) speech.Say(fresh);
    const std::optional<InputWait> wait = view.CurrentWait();
    const std::optional<std::string> typed = reader(wait, PromptFor(wait));
    if (!typed) return std::nullopt;
    // The terminal shows the command as typed (readline's or the terminal's
    // own echo): the game's echo is not written a second time.
    if (!wait && terminal && !typed->empty()) view.ExpectEcho(*typed);
    return AnswerKeyLine(wait, *typed);
  });
  return true;
}

}  // namespace zarvel::tty
