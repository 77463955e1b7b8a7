// The command line: typed at its end only, with the y/z exchange for players
// whose keyboard layout differs from the keys they look at.
#include "console/CommandLine.h"

#include "media/Keys.h"
#include "media/Platform.h"

namespace zarvel {

namespace {

constexpr int kLineWidthLimit = 700;
const Text kPrompt = u">";

int SwapYZ(int code) {
  if (code == 'z') return 'y';
  if (code == 'y') return 'z';
  return code;
}

// The limit is tested before the character goes in, so a full line may end
// one character past 700 px — still short of the 756 px wrapping width, so
// the echo of a command never wraps by width.
void AppendChar(Console& console, int code) {
  Text& line = console.inputLine;
  if (console.platform.TextWidthOf(kPrompt + line) < kLineWidthLimit) {
    line += CharText(code);
  }
}

std::optional<Text> SubmitCommandLine(Console& console) {
  console.linesSincePause = 1;
  const Text line = console.inputLine;
  console.inputLine.clear();
  if (line.empty()) return std::nullopt;
  ConsolePrint(console, kPrompt + line);
  return line;
}

}  // namespace

void DrawEntryLine(Platform& platform, const Text& text) {
  platform.SetColor(255, 255, 255);
  platform.DrawTextAt(kPrompt + text, 22, 570);
  if ((platform.ClockMillis() / 500) % 2 == 0) {
    const int x =
        22 + platform.TextWidthOf(text) + 1 + platform.TextWidthOf(kPrompt);
    platform.SetColor(255, 255, 0);
    platform.DrawRect(static_cast<float>(x), 570, 14, 22);
  }
  platform.SetColor(255, 255, 255);
}

void DrawCommandLine(Console& console) {
  DrawEntryLine(console.platform, console.inputLine);
}

std::optional<Text> HandleCommandChar(Console& console, int code) {
  if (code == kKeyEnter) return SubmitCommandLine(console);
  if (code == kKeyBackspace) {
    if (!console.inputLine.empty()) console.inputLine.pop_back();
  } else {
    AppendChar(console, console.qwertySwap ? SwapYZ(code) : code);
  }
  return std::nullopt;
}

}  // namespace zarvel
