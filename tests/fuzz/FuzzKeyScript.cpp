// Fuzz target: the key-script parser and the runner's cutting of long
// lines. Cutting must never change what is typed: the pieces' events
// joined (without the Enters between them) are the events of the whole
// line, and each piece fits the keyboard queue with its Enter.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "LongKeyLines.h"
#include "media/headless/KeyScript.h"

namespace {

void Check(bool holds, const char* rule) {
  if (holds) return;
  std::fprintf(stderr, "rule broken: %s\n", rule);
  std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace zarvel;
  const std::string script(reinterpret_cast<const char*>(data), size);
  // A small queue makes short inputs long lines; it still holds the four
  // characters that one broken UTF-8 sequence may type.
  const size_t capacity = 6 + (size > 0 ? data[0] % 16 : 0);
  for (const std::string& line : SplitScriptLines(script)) {
    Check(line.find('\n') == std::string::npos, "a script line holds no LF");
    const std::vector<KeyEvent> whole = ParseKeyLine(line);
    std::vector<KeyEvent> joined;
    const std::vector<std::string> pieces = tty::CutLongKeyLine(line, capacity);
    for (size_t i = 0; i < pieces.size(); ++i) {
      std::vector<KeyEvent> events = ParseKeyLine(pieces[i]);
      size_t typed = 0;
      for (const KeyEvent& event : events)
        typed += event.kind == KeyEvent::Kind::Char;
      Check(typed <= capacity || pieces.size() == 1, "a piece fits the queue");
      // Pieces before the last carry no Enter of their own.
      if (i + 1 < pieces.size()) {
        Check(events.size() == ParseKeyLine(pieces[i] + "{noenter}").size(),
              "only the last piece has the Enter");
      }
      joined.insert(joined.end(), events.begin(), events.end());
    }
    Check(joined == whole, "the pieces type what the line types");
  }
  return 0;
}
