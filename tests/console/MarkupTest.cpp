// How console lines are drawn: the marks "%", "*" and "×", the colour modes
// that carry from row to row, and the plain text a reader of the transcript
// gets.
#include <gtest/gtest.h>

#include "console/Console.h"
#include "console/Markup.h"
#include "support/TestConsole.h"

namespace zarvel::testing {
namespace {

constexpr int kWhite = 0xFFFFFF;
constexpr int kYellow = 0xFFFF00;

struct Glyph {
  char16_t c;
  int x;
  int colour;
  bool operator==(const Glyph&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Glyph& g) {
  return out << "'" << static_cast<char>(g.c) << "'@" << g.x << " #" << std::hex
             << g.colour << std::dec;
}

class MarkupTest : public ::testing::Test {
 protected:
  TestConsole t;
  // Draws the line and returns its glyphs (all fake characters are 10 px).
  std::vector<Glyph> Draw(const std::u16string& line, int row = 1) {
    t.platform.ClearRecords();
    DrawConsoleLine(t.console, line, row);
    std::vector<Glyph> glyphs;
    for (const DrawnText& d : t.platform.texts) {
      EXPECT_EQ(d.text.size(), 1u);
      EXPECT_EQ(d.y, 26 * row + 18);
      glyphs.push_back(
          {d.text[0], static_cast<int>(d.x), d.r << 16 | d.g << 8 | d.b});
    }
    return glyphs;
  }
  std::vector<int> Colours(const std::u16string& line) {
    std::vector<int> colours;
    for (const Glyph& g : Draw(line)) colours.push_back(g.colour);
    return colours;
  }
};

TEST_F(MarkupTest, HighlightedWordEndsAtSpaceStopOrComma) {
  EXPECT_EQ(Draw(u"*ab. c"), (std::vector<Glyph>{{u'a', 22, kYellow},
                                                 {u'b', 32, kYellow},
                                                 {u'.', 42, kWhite},
                                                 {u' ', 52, kWhite},
                                                 {u'c', 62, kWhite}}));
  EXPECT_EQ(Colours(u"*GO!"), (std::vector<int>{kYellow, kYellow, kYellow}));
  EXPECT_EQ(Colours(u"a *b,c"),
            (std::vector<int>{kWhite, kWhite, kYellow, kWhite, kWhite}));
}

TEST_F(MarkupTest, HighlightNeverContinuesIntoTheNextLine) {
  EXPECT_EQ(Colours(u"*ab"), (std::vector<int>{kYellow, kYellow}));
  EXPECT_EQ(t.console.highlightMode, 0);
  EXPECT_EQ(Colours(u"c"), (std::vector<int>{kWhite}));
}

TEST_F(MarkupTest, CentringUsesTheLineAsFarAsItsMarksAreRemoved) {
  // "%" removed: "a *b" is 40 px, so offset 358; at "b" the "*" is gone
  // too: "a b" is 30 px, offset 363.
  EXPECT_EQ(Draw(u"%a *b"), (std::vector<Glyph>{{u'a', 380, kWhite},
                                                {u' ', 390, kWhite},
                                                {u'b', 405, kYellow}}));
}

TEST_F(MarkupTest, EachMarkIsTestedOnceInItsOrderPerPosition) {
  // "*%" is consumed whole: "ab" centred in yellow.
  EXPECT_EQ(Draw(u"*%ab"),
            (std::vector<Glyph>{{u'a', 390, kYellow}, {u'b', 400, kYellow}}));
  // "%*" leaves the "*" to be drawn as a character.
  EXPECT_EQ(Draw(u"%*ab"), (std::vector<Glyph>{{u'*', 385, kWhite},
                                               {u'a', 395, kWhite},
                                               {u'b', 405, kWhite}}));
}

TEST_F(MarkupTest, HoldKeepsTheColourAcrossRowsUntilAHighlightStarts) {
  // The "×" comes inside a yellow word: yellow stays, spaces included.
  EXPECT_EQ(Colours(u"*a×b c"),
            (std::vector<int>{kYellow, kYellow, kYellow, kYellow}));
  EXPECT_EQ(t.console.highlightMode, 2);
  EXPECT_EQ(Colours(u"next"),
            (std::vector<int>{kYellow, kYellow, kYellow, kYellow}));
  // A highlighted word ends the hold; the normal mode returns after it.
  EXPECT_EQ(Colours(u"x *y z"),
            (std::vector<int>{kYellow, kYellow, kYellow, kWhite, kWhite}));
  EXPECT_EQ(t.console.highlightMode, 0);
}

TEST_F(MarkupTest, QuoteSeenEndsTheHoldAtTheLineEnd) {
  t.console.quoteSeen = true;
  EXPECT_EQ(Colours(u"*a×b"), (std::vector<int>{kYellow, kYellow}));
  EXPECT_EQ(t.console.highlightMode, 0);
  EXPECT_EQ(Colours(u"c"), (std::vector<int>{kWhite}));
}

TEST_F(MarkupTest, EmptyAndMarkOnlyLinesDrawNothing) {
  EXPECT_TRUE(Draw(u"").empty());
  EXPECT_TRUE(Draw(u"*%").empty());
  EXPECT_EQ(t.console.highlightMode, 0);
}

TEST_F(MarkupTest, RowsArePlacedAtTheirPitch) {
  EXPECT_EQ(Draw(u"a", 20).front().x, 22);  // y checked inside Draw: 538
}

TEST(StripMarkupTest, RemovesWhatDrawingRemoves) {
  const std::vector<std::pair<std::u16string, std::u16string>> cases = {
      {u"*slovník.", u"slovník."},
      {u"% *T *H *E   *E *N *D", u" T H E   E N D"},
      {u"*%ab", u"ab"},
      {u"%*ab", u"*ab"},
      {u"**a", u"*a"},
      {u"a×b", u"ab"},
      {u"×*%x", u"x"},
      {u">sever*", u">sever"},
      {u"", u""},
  };
  for (const auto& [stored, plain] : cases) {
    EXPECT_EQ(StripMarkup(stored), plain);
  }
}

}  // namespace
}  // namespace zarvel::testing
