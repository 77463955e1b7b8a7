#include "Answers.h"

#include <cstdlib>

#include "media/Text.h"

namespace zarvel::tty {

namespace {

using Kind = InputWait::Kind;

std::string Literal(const std::string& typed) {
  std::string line;
  for (char c : typed) {
    line += c;
    if (c == '{') line += '{';
  }
  return line;
}

std::string Trimmed(const std::string& typed) {
  const size_t first = typed.find_first_not_of(" \t");
  if (first == std::string::npos) return {};
  return typed.substr(first, typed.find_last_not_of(" \t") - first + 1);
}

// A menu takes one key: a longer line is not typed at all, since a word
// such as "běž" holds "ě", the key of option 2, and would choose it.
std::string SingleKey(const std::string& answer) {
  if (Utf8ToText(answer).size() != 1) return "{noenter}";
  return Literal(answer) + "{noenter}";
}

std::string NumberRange(int choices) {
  if (choices <= 0) return {};
  if (choices == 1) return "číslo 1, ";
  return "číslo 1–" + std::to_string(std::min(choices, 9)) + ", ";
}

// From the pre-filled name to the typed one: Backspace over what differs,
// then the rest of the typed name, then Enter.
std::string EditName(const Text& initial, const std::string& typed) {
  const Text wanted = Utf8ToText(typed);
  size_t same = 0;
  while (same < initial.size() && same < wanted.size() &&
         initial[same] == wanted[same]) {
    ++same;
  }
  std::string line;
  for (size_t i = same; i < initial.size(); ++i) line += "{bs}";
  return line + Literal(TextToUtf8(wanted.substr(same)));
}

}  // namespace

std::string PromptFor(const std::optional<InputWait>& wait) {
  if (!wait) return {};
  switch (wait->kind) {
    case Kind::Key:
      return "[stiskni Enter]";
    case Kind::TitleMenu:
      return "[napiš S, P, I nebo Q]";
    case Kind::SlotMenu:
      return "[" + NumberRange(wait->choices) + "prázdný řádek = zpět]";
    case Kind::OptionMenu:
      return "[" + NumberRange(wait->choices) +
             "prázdný řádek = konec rozhovoru]";
    case Kind::YesNo:
      return "[a = ano, n = ne]";
    case Kind::Name:
      return {};
  }
  return {};
}

std::string AnswerKeyLine(const std::optional<InputWait>& wait,
                          const std::string& typed) {
  if (!wait) return Literal(typed);
  const std::string answer = Trimmed(typed);
  switch (wait->kind) {
    case Kind::Key:
      return "";  // Enter, whatever was typed before it
    case Kind::SlotMenu:
    case Kind::OptionMenu:
      if (answer.empty() || answer == "esc" || answer == "ESC" ||
          answer == "Esc") {
        return "{esc}{noenter}";
      }
      return SingleKey(answer);
    case Kind::TitleMenu:
      return SingleKey(answer);
    case Kind::YesNo:
      if (answer == "ano" || answer == "Ano") return "a{noenter}";
      if (answer == "ne" || answer == "Ne") return "n{noenter}";
      return SingleKey(answer);
    case Kind::Name:
      return EditName(wait->initial, typed);
  }
  return Literal(typed);
}

std::string HistoryFilePath() {
  const char* state = std::getenv("XDG_STATE_HOME");
  std::string base;
  if (state != nullptr && state[0] == '/') {
    base = state;
  } else if (const char* home = std::getenv("HOME"); home && home[0]) {
    base = std::string(home) + "/.local/state";
  } else {
    return {};
  }
  return base + "/zarvel/history";
}

}  // namespace zarvel::tty
