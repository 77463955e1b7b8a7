#include "LongKeyLines.h"

#include <deque>
#include <memory>
#include <utility>

#include "media/Keys.h"
#include "media/headless/KeyScript.h"

namespace zarvel::tty {

namespace {

constexpr const char* kNoEnter = "{noenter}";

// The length of the smallest piece starting at `at` that types the same on
// its own as within the line: one UTF-8 character, "{{", or everything from
// "{" to the next "}" (a token, or braces typed as written).
size_t UnitLength(const std::string& line, size_t at) {
  if (line[at] == '{') {
    if (at + 1 < line.size() && line[at + 1] == '{') return 2;
    const size_t close = line.find('}', at + 1);
    return close == std::string::npos ? 1 : close - at + 1;
  }
  size_t end = at + 1;
  while (end < line.size() &&
         (static_cast<unsigned char>(line[end]) & 0xC0) == 0x80) {
    ++end;
  }
  return end - at;
}

// How many characters a piece of a line puts into the queue.
size_t TypedCharacters(const std::string& piece) {
  size_t count = 0;
  for (const KeyEvent& event : ParseKeyLine(piece + kNoEnter)) {
    if (event.kind == KeyEvent::Kind::Char) ++count;
  }
  return count;
}

bool EndsWithEnter(const std::string& line) {
  const std::vector<KeyEvent> events = ParseKeyLine(line);
  return !events.empty() &&
         events.back() == KeyEvent{KeyEvent::Kind::Char, kKeyEnter};
}

}  // namespace

std::vector<std::string> CutLongKeyLine(const std::string& line,
                                        size_t queueCapacity) {
  const size_t limit = queueCapacity - 1;  // room for the Enter
  if (TypedCharacters(line) <= limit) return {line};
  std::vector<std::string> pieces;
  std::string piece;
  size_t typed = 0;
  for (size_t at = 0; at < line.size();) {
    const std::string unit = line.substr(at, UnitLength(line, at));
    at += unit.size();
    const size_t count = TypedCharacters(unit);
    if (typed + count > limit && !piece.empty()) {
      pieces.push_back(piece + kNoEnter);
      piece.clear();
      typed = 0;
    }
    piece += unit;
    typed += count;
  }
  // The last piece ends the line as the whole line would have.
  pieces.push_back(EndsWithEnter(line) ? piece : piece + kNoEnter);
  return pieces;
}

std::vector<std::string> CutLongKeyLines(const std::vector<std::string>& lines,
                                         size_t queueCapacity) {
  std::vector<std::string> out;
  for (const std::string& line : lines) {
    for (std::string& piece : CutLongKeyLine(line, queueCapacity)) {
      out.push_back(std::move(piece));
    }
  }
  return out;
}

ScriptedKeyboard::LineSource CutLongKeyLines(
    ScriptedKeyboard::LineSource source, size_t queueCapacity) {
  auto pending = std::make_shared<std::deque<std::string>>();
  return [source = std::move(source), pending,
          queueCapacity]() -> std::optional<std::string> {
    if (pending->empty()) {
      std::optional<std::string> line = source();
      if (!line) return std::nullopt;
      for (std::string& piece : CutLongKeyLine(*line, queueCapacity)) {
        pending->push_back(std::move(piece));
      }
    }
    std::string next = std::move(pending->front());
    pending->pop_front();
    return next;
  };
}

}  // namespace zarvel::tty
