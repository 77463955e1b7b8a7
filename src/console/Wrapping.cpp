// Breaking a "/"-free segment into lines by pixel width. The console and the
// paged text screens share this rule; they differ only in whether a segment
// exactly as wide as the column is broken before its last word.
#include "console/Wrapping.h"

#include <vector>

namespace zarvel {

namespace {

struct LineCut {
  size_t length = 0;        // characters taken for this line
  bool overflowed = false;  // some prefix was wider than the width
  int measured = 0;         // width of the prefix at the overflow, else of all
};

// Finds the first prefix wider than the width. Widths add up character by
// character (the font has no kerning), so one pass over the characters
// gives every prefix width.
LineCut MeasureFirstOverflow(Platform& platform, const Text& rest, int width) {
  LineCut cut;
  int prefixWidth = 0;
  for (size_t i = 0; i < rest.size(); ++i) {
    prefixWidth += platform.TextWidthOf(Text(1, rest[i]));
    if (prefixWidth > width) {
      cut.length = i + 1;
      cut.overflowed = true;
      cut.measured = prefixWidth;
      return cut;
    }
  }
  cut.length = rest.size();
  cut.measured = prefixWidth;
  return cut;
}

}  // namespace

std::vector<Text> WrapSegment(Platform& platform, const Text& segment,
                              int width, bool breakOnlyWhenWider) {
  std::vector<Text> lines;
  Text rest = segment;
  for (;;) {
    LineCut cut = MeasureFirstOverflow(platform, rest, width);
    const int restWidth = platform.TextWidthOf(rest);
    const bool mustBreak =
        breakOnlyWhenWider ? restWidth > width : restWidth >= width;
    if (mustBreak) {
      // Back to the nearest space at or before the cut; the space stays at
      // the end of this line.
      size_t spaceAt = cut.length;
      while (spaceAt > 0 && rest[spaceAt - 1] != u' ') --spaceAt;
      if (spaceAt > 0) {
        cut.length = spaceAt;
      } else if (cut.overflowed) {
        // A single word wider than the column has no space to break at:
        // break it before the character that overflows (keeping at least
        // one character, so the rest always gets shorter).
        cut.length = cut.length > 1 ? cut.length - 1 : 1;
      }
    }
    lines.push_back(rest.substr(0, cut.length));
    rest.erase(0, cut.length);
    if (cut.measured < width || rest.empty()) break;
  }
  return lines;
}

}  // namespace zarvel
