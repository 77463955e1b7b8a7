#include "media/headless/KeyScript.h"

#include <climits>

#include "media/Keys.h"
#include "media/Text.h"

namespace zarvel {

namespace {

void AppendText(std::string_view utf8, std::vector<KeyEvent>& events) {
  if (utf8.empty()) return;
  // Each UTF-16 unit is one queued code, as the window system delivers them.
  for (char16_t unit : Utf8ToText(utf8)) {
    events.push_back({KeyEvent::Kind::Char, unit});
  }
}

// "wait 250" -> 250; false unless it is "wait", blanks, digits.
bool ParseWait(std::string_view token, int& millis) {
  constexpr std::string_view kWait = "wait";
  if (token.substr(0, kWait.size()) != kWait) return false;
  size_t at = kWait.size();
  const size_t blanks = at;
  while (at < token.size() && token[at] == ' ') ++at;
  if (at == blanks || at == token.size()) return false;
  long long value = 0;
  for (; at < token.size(); ++at) {
    const char c = token[at];
    if (c < '0' || c > '9') return false;
    value = value * 10 + (c - '0');
    if (value > INT_MAX) value = INT_MAX;
  }
  millis = static_cast<int>(value);
  return true;
}

enum class TokenMeaning { Event, NoEnter, Unknown };

// What a token between braces means; its event when it types something.
TokenMeaning ParseToken(std::string_view token, KeyEvent& event) {
  using Kind = KeyEvent::Kind;
  if (token == "noenter") return TokenMeaning::NoEnter;
  if (token == "esc") {
    event = {Kind::Char, kKeyEscape};
  } else if (token == "bs") {
    event = {Kind::Char, kKeyBackspace};
  } else if (token == "tab") {
    event = {Kind::Char, kKeyTab};
  } else if (token == "key") {
    event = {Kind::Press, 0};
  } else if (token == "close") {
    event = {Kind::Close, 0};
  } else if (token == "quit") {
    event = {Kind::Close, 1};
  } else {
    int millis = 0;
    if (!ParseWait(token, millis)) return TokenMeaning::Unknown;
    event = {Kind::Wait, millis};
  }
  return TokenMeaning::Event;
}

}  // namespace

std::vector<KeyEvent> ParseKeyLine(std::string_view line) {
  if (!line.empty() && line.back() == '\n') line.remove_suffix(1);
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);

  std::vector<KeyEvent> events;
  bool noEnter = false;
  std::string literal;
  size_t at = 0;
  while (at < line.size()) {
    const char c = line[at];
    if (c != '{') {
      literal += c;
      ++at;
      continue;
    }
    if (at + 1 < line.size() && line[at + 1] == '{') {
      literal += '{';
      at += 2;
      continue;
    }
    const size_t close = line.find('}', at + 1);
    KeyEvent event;
    const TokenMeaning meaning =
        close == std::string_view::npos
            ? TokenMeaning::Unknown
            : ParseToken(line.substr(at + 1, close - at - 1), event);
    if (meaning == TokenMeaning::Unknown) {
      literal += '{';
      ++at;
      continue;
    }
    AppendText(literal, events);
    literal.clear();
    if (meaning == TokenMeaning::NoEnter) noEnter = true;
    if (meaning == TokenMeaning::Event) events.push_back(event);
    at = close + 1;
  }
  AppendText(literal, events);
  if (!noEnter) events.push_back({KeyEvent::Kind::Char, kKeyEnter});
  return events;
}

std::vector<std::string> SplitScriptLines(std::string_view script) {
  constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
  if (script.substr(0, kByteOrderMark.size()) == kByteOrderMark) {
    script.remove_prefix(kByteOrderMark.size());
  }
  std::vector<std::string> lines;
  while (!script.empty()) {
    const size_t end = script.find('\n');
    std::string_view line = script.substr(0, end);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    lines.emplace_back(line);
    if (end == std::string_view::npos) break;
    script.remove_prefix(end + 1);
  }
  return lines;
}

}  // namespace zarvel
