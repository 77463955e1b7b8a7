#include "LongKeyLines.h"

#include <deque>
#include <memory>
#include <string_view>
#include <utility>

#include "media/headless/KeyScript.h"

namespace zarvel::tty {

namespace {

constexpr const char* kNoEnter = "{noenter}";

// The length of the smallest piece starting at `at` that types the same on
// its own as within the line: one UTF-8 character, "{{", or a token from
// "{" to the next "}". A "{" that starts no token is typed as written and
// the text after it is read on, so it is a piece of its own.
size_t UnitLength(std::string_view line, size_t at) {
  if (line[at] == '{') {
    if (at + 1 < line.size() && line[at + 1] == '{') return 2;
    const size_t close = line.find('}', at + 1);
    if (close == std::string_view::npos) return 1;
    const std::string group(line.substr(at, close - at + 1));
    // A token gives one event ({noenter} none); braces typed give two or more.
    return ParseKeyLine(group + kNoEnter).size() <= 1 ? group.size() : 1;
  }
  // A lead byte and the continuation bytes its bit pattern announces, as
  // the decoder takes them; any other byte (ASCII, a stray continuation)
  // alone. A broken sequence types one U+FFFD.
  const auto lead = static_cast<unsigned char>(line[at]);
  size_t announced = 1;
  if ((lead & 0xE0) == 0xC0) announced = 2;
  if ((lead & 0xF0) == 0xE0) announced = 3;
  if ((lead & 0xF8) == 0xF0) announced = 4;
  size_t end = at + 1;
  while (end < line.size() && end - at < announced &&
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

// Whether the line gets its Enter: a {noenter} anywhere takes it away.
// (Comparing events would not do: a CR inside a line types code 13 too.)
// The "x" keeps a "{" at the line's end from joining the added token.
bool EndsWithEnter(const std::string& line) {
  return ParseKeyLine(line + "x").size() !=
         ParseKeyLine(line + "x" + kNoEnter).size();
}

}  // namespace

std::vector<std::string> CutLongKeyLine(const std::string& wholeLine,
                                        size_t queueCapacity) {
  const size_t limit = queueCapacity - 1;  // room for the Enter
  if (TypedCharacters(wholeLine) <= limit) return {wholeLine};
  // The line end is not typed, and only at the very end of a line is it
  // taken for one: it is cut off here and put back after the last piece,
  // so that a CR before it stays typed wherever the cutting puts it.
  std::string_view line = wholeLine;
  if (!line.empty() && line.back() == '\n') line.remove_suffix(1);
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  const std::string_view lineEnd =
      std::string_view(wholeLine).substr(line.size());
  std::vector<std::string> pieces;
  std::string piece;
  size_t typed = 0;
  for (size_t at = 0; at < line.size();) {
    std::string unit(line.substr(at, UnitLength(line, at)));
    at += unit.size();
    // A "{" typed as written becomes "{{", which types the same and cannot
    // join a "{noenter}" put after it into "{{" + "noenter}".
    if (unit == "{") unit = "{{";
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
  if (!EndsWithEnter(wholeLine)) piece += kNoEnter;
  piece += lineEnd;
  pieces.push_back(piece);
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
