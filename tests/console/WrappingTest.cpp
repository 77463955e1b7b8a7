// Where the console and the paged screens break a segment into lines.
#include <gtest/gtest.h>

#include "console/Console.h"
#include "console/Wrapping.h"
#include "support/TestConsole.h"

namespace zarvel::testing {
namespace {

using Lines = std::vector<std::u16string>;

class WrappingTest : public ::testing::Test {
 protected:
  TestConsole t;
  std::u16string Word(int pixels) { return WordOfWidth(t.platform, pixels); }
  Lines Wrap(const std::u16string& segment, int width = kWrapWidth,
             bool onlyWhenWider = false) {
    return WrapSegment(t.platform, segment, width, onlyWhenWider);
  }
};

TEST_F(WrappingTest, EmptySegmentIsOneEmptyLine) {
  EXPECT_EQ(Wrap(u""), Lines{u""});
}

TEST_F(WrappingTest, BoundaryOfTheWrappingWidth) {
  // First word 370 px + space 10 px, then a last word making the total.
  const std::u16string first = Word(370) + u" ";
  EXPECT_EQ(Wrap(first + Word(375)), Lines{first + Word(375)}) << "755 px";
  EXPECT_EQ(Wrap(first + Word(376)), (Lines{first, Word(376)})) << "756 px";
  EXPECT_EQ(Wrap(first + Word(377)), (Lines{first, Word(377)})) << "757 px";
}

TEST_F(WrappingTest, BrokenLineKeepsItsSpaceAndASecondSpaceStartsTheNext) {
  // The first character past 756 px is the first of two spaces.
  const std::u16string word = Word(750);
  EXPECT_EQ(Wrap(word + u"  bb"), (Lines{word + u" ", u" bb"}));
  // Two spaces before the overflow both stay on the broken line.
  const std::u16string shorter = Word(370);
  EXPECT_EQ(Wrap(shorter + u"  " + Word(380)),
            (Lines{shorter + u"  ", Word(380)}));
}

TEST_F(WrappingTest, SegmentOverflowingAtItsFinalSpaceIsOneLine) {
  const std::u16string segment = Word(750) + u" ";
  EXPECT_EQ(Wrap(segment), Lines{segment});
}

TEST_F(WrappingTest, LongTextBreaksAtTheLastSpaceOfEachLine) {
  std::u16string segment;
  for (int i = 0; i < 30; ++i) segment += u"aaaaaaa ";  // 80 px a word
  const Lines lines = Wrap(segment);
  ASSERT_EQ(lines.size(), 4u);
  std::u16string joined;
  for (const auto& line : lines) {
    EXPECT_LE(t.platform.TextWidthOf(line), 756 + 10);
    EXPECT_EQ(line.back(), u' ');
    joined += line;
  }
  EXPECT_EQ(joined, segment);
}

TEST_F(WrappingTest, WordWiderThanTheWidthIsBrokenWithoutLosingText) {
  const std::u16string longWord(100, u'a');  // 1000 px
  EXPECT_EQ(Wrap(longWord),
            (Lines{std::u16string(75, u'a'), std::u16string(25, u'a')}));
  // After a normal word the long one starts a line of its own first.
  EXPECT_EQ(Wrap(u"bb " + longWord), (Lines{u"bb ", std::u16string(75, u'a'),
                                            std::u16string(25, u'a')}));
  // A word of exactly the width fits as it is.
  EXPECT_EQ(Wrap(Word(756)), Lines{Word(756)});
  // Even a single character wider than the column makes progress.
  t.platform.widths[u'W'] = 900;
  EXPECT_EQ(Wrap(u"WW"), (Lines{u"W", u"W"}));
}

TEST_F(WrappingTest, NoBreakSpaceNeverEndsALine) {
  // "a\u00A0v\u00A0Zarvelu" moves to the next line as one piece, although
  // "a\u00A0v\u00A0" alone would still fit on the first.
  const std::u16string first = Word(700) + u" ";
  const std::u16string joined = u"a\u00A0v\u00A0Zarvelu";
  EXPECT_EQ(Wrap(first + joined), (Lines{first, joined}));
}

TEST_F(WrappingTest, PagedScreensKeepASegmentOfExactlyTheWidth) {
  const std::u16string first = Word(290) + u" ";
  EXPECT_EQ(Wrap(first + Word(300), 600, true), Lines{first + Word(300)});
  EXPECT_EQ(Wrap(first + Word(300), 600, false), (Lines{first, Word(300)}));
  EXPECT_EQ(Wrap(first + Word(301), 600, true), (Lines{first, Word(301)}));
}

}  // namespace
}  // namespace zarvel::testing
