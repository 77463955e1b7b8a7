// The markup of console lines, interpreted each time a line is drawn:
// "%" centres the line, "*" starts a yellow word, "×" holds the colour in
// effect. The marks stay in the stored line; drawing removes them as it
// meets them, so positions after a mark shift left by one.
#include "console/Markup.h"

#include "media/Platform.h"

namespace zarvel {

namespace {

constexpr char16_t kHoldMark = u'\u00D7';  // ×
constexpr char16_t kHighlightMark = u'*';
constexpr char16_t kCentreMark = u'%';

enum HighlightMode { kNormal = 0, kHighlighted = 1, kHold = 2 };

struct MarksFound {
  bool hold = false;
  bool highlight = false;
  bool centre = false;
};

// Removes the marks at position p: each of the three is tested once, in
// this order, so "*%" is consumed whole while "%*" leaves a "*" to draw.
MarksFound TakeMarksAt(Text& line, size_t p) {
  MarksFound found;
  if (p < line.size() && line[p] == kHoldMark) {
    line.erase(p, 1);
    found.hold = true;
  }
  if (p < line.size() && line[p] == kHighlightMark) {
    line.erase(p, 1);
    found.highlight = true;
  }
  if (p < line.size() && line[p] == kCentreMark) {
    line.erase(p, 1);
    found.centre = true;
  }
  return found;
}

bool EndsHighlightedWord(char16_t c) {
  return c == u' ' || c == u'.' || c == u',';
}

void SetWhite(Platform& platform) { platform.SetColor(255, 255, 255); }
void SetYellow(Platform& platform) { platform.SetColor(255, 255, 0); }

}  // namespace

void DrawConsoleLine(Console& console, const Text& storedLine, int row) {
  if (storedLine.empty()) return;
  Platform& platform = console.platform;
  Text line = storedLine;
  bool centred = false;
  // Widths add up per character (no kerning), so the line width and the
  // pen position are kept as running sums instead of re-measuring prefixes.
  int lineWidth = platform.TextWidthOf(line);
  int penX = 0;
  const int y = 26 * row + 18;
  for (size_t p = 0;; ++p) {
    if (console.highlightMode == kNormal) SetWhite(platform);
    const MarksFound marks = TakeMarksAt(line, p);
    if (marks.hold) console.highlightMode = kHold;
    if (marks.highlight) console.highlightMode = kHighlighted;
    if (marks.centre) centred = true;
    if (marks.hold || marks.highlight || marks.centre) {
      lineWidth = platform.TextWidthOf(line);
    }
    if (p >= line.size()) break;
    const char16_t c = line[p];
    if (console.highlightMode == kHighlighted && EndsHighlightedWord(c)) {
      console.highlightMode = kNormal;
      SetWhite(platform);
    }
    if (console.highlightMode == kHighlighted) SetYellow(platform);
    const int offset = centred ? 378 - lineWidth / 2 : 0;
    const Text glyph(1, c);
    platform.DrawTextAt(glyph, static_cast<float>(kConsoleLeft + offset + penX),
                        static_cast<float>(y));
    penX += platform.TextWidthOf(glyph);
  }
  if (console.highlightMode == kHighlighted) {
    console.highlightMode = kNormal;
    SetWhite(platform);
  }
  if (console.quoteSeen) console.highlightMode = kNormal;
}

Text StripMarkup(const Text& storedLine) {
  Text line = storedLine;
  for (size_t p = 0; p < line.size(); ++p) TakeMarksAt(line, p);
  return line;
}

}  // namespace zarvel
