// Printing into the console: lines from slashes and widths, scrolling, and
// the page pauses.
#include <gtest/gtest.h>

#include "console/Console.h"
#include "support/TestConsole.h"

namespace zarvel::testing {
namespace {

using Lines = std::vector<std::u16string>;

class ConsolePrintTest : public ::testing::Test {
 protected:
  TestConsole t;
  Console& console() { return t.console; }
  void Print(const std::u16string& text) { ConsolePrint(t.console, text); }
};

TEST_F(ConsolePrintTest, SlashesCutLinesAndEmptyPiecesRemain) {
  const std::vector<std::pair<std::u16string, Lines>> cases = {
      {u"", {u""}},
      {u"a//b", {u"a", u"", u"b"}},
      {u"/% *G *A *M *E   *O *V *E *R /",
       {u"", u"% *G *A *M *E   *O *V *E *R ", u""}},
  };
  for (const auto& [text, expected] : cases) {
    t.observer.lines.clear();
    Print(text);
    EXPECT_EQ(t.observer.lines, expected);
  }
}

TEST_F(ConsolePrintTest, LinesScrollUpAndEachIsPresented) {
  Print(u"one/two/three");
  EXPECT_EQ(console().lines[17], u"one");
  EXPECT_EQ(console().lines[19], u"three");
  EXPECT_EQ(t.platform.flips, 3);
  t.platform.skipKeyWaits = true;
  for (int i = 0; i < 30; ++i) Print(u"x");
  EXPECT_EQ(console().lines[0], u"x");
}

TEST_F(ConsolePrintTest, KeysTypedWhilePrintingAreDiscarded) {
  t.platform.Type(u"abc");
  Print(u"hello");
  EXPECT_TRUE(t.platform.keys.empty());
}

TEST_F(ConsolePrintTest, PagePausesAfterTwentyLinesThenEveryNineteen) {
  // As after Enter: the echo is line 1 of the page.
  console().linesSincePause = 1;
  std::vector<int> pausedAfter;
  std::vector<std::u16string> topAtPause;
  t.platform.skipKeyWaits = true;
  for (int i = 1; i <= 60; ++i) {
    const int waitsBefore = t.observer.waits;
    Print(u"line " + FormatInt(i));
    if (t.observer.waits != waitsBefore) {
      pausedAfter.push_back(i);
      topAtPause.push_back(console().lines[0]);
    }
  }
  EXPECT_EQ(pausedAfter, (std::vector<int>{20, 39, 58}));
  // Each page starts with the previous page's last line.
  EXPECT_EQ(topAtPause, (Lines{u"line 1", u"line 20", u"line 39"}));
}

TEST_F(ConsolePrintTest, PauseWaitsForAKeyUnderThePauseBar) {
  console().linesSincePause = 20;
  t.platform.keys = {'k', 'l'};
  Print(u"last");
  // The wait took one key; the print's final discard took the other.
  EXPECT_TRUE(t.platform.keys.empty());
  EXPECT_EQ(console().linesSincePause, 2);
  bool barDrawn = false;
  for (const DrawnText& text : t.platform.texts) {
    if (text.text == u"stiskni prosím nějakou klávesu") barDrawn = true;
  }
  EXPECT_TRUE(barDrawn);
}

TEST_F(ConsolePrintTest, ForcedPauseIsAnEmptyLineWithBothWaits) {
  console().linesSincePause = 3;
  Print(u"a/<->/b");
  EXPECT_EQ(t.observer.lines, (Lines{u"a", u"", u"b"}));
  EXPECT_EQ(console().lines[18], u"");
  // WaitKeyPress first, then the pause's wait for a character.
  EXPECT_EQ(t.observer.waits, 2);
  EXPECT_EQ(t.platform.waitKeyPresses, 1);
  EXPECT_EQ(console().linesSincePause, 3);  // reset to 1, then "<->" and "b"
}

TEST_F(ConsolePrintTest, SkippedWaitsConsumeNoInput) {
  t.platform.skipKeyWaits = true;
  console().linesSincePause = 20;
  Print(u"<->");
  EXPECT_EQ(t.observer.waits, 2);
  EXPECT_EQ(t.platform.waitKeyPresses, 0);
}

TEST_F(ConsolePrintTest, OpeningQuoteInTheTopLineSetsQuoteSeen) {
  t.platform.skipKeyWaits = true;
  Print(u"„Ahoj,“ řekla.");
  EXPECT_FALSE(console().quoteSeen);  // still at the bottom
  for (int i = 0; i < 18; ++i) Print(u"x");
  EXPECT_FALSE(console().quoteSeen);
  Print(u"x");  // the quote reaches line 1
  EXPECT_TRUE(console().quoteSeen);
}

}  // namespace
}  // namespace zarvel::testing
