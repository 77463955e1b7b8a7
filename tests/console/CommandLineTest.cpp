// Typing on the command line: the y/z exchange, Backspace, the width limit,
// Enter handing the line back, and the blinking cursor.
#include <gtest/gtest.h>

#include "console/CommandLine.h"
#include "console/Console.h"
#include "support/TestConsole.h"

namespace zarvel::testing {
namespace {

class CommandLineTest : public ::testing::Test {
 protected:
  TestConsole t;
  std::u16string& line() { return t.console.inputLine; }
  void Type(const std::u16string& keys) {
    for (char16_t c : keys) HandleCommandChar(t.console, c);
  }
};

TEST_F(CommandLineTest, YAndZAreExchangedOnlyInLowerCaseAndOnlyWhenSet) {
  Type(u"zahy");
  EXPECT_EQ(line(), u"zahy");
  line().clear();
  t.console.qwertySwap = true;
  Type(u"zahyZY");
  EXPECT_EQ(line(), u"yahzZY");
}

TEST_F(CommandLineTest, BackspaceRemovesTheLastCharacterIfAny) {
  Type(u"\b");
  EXPECT_EQ(line(), u"");
  Type(u"ab\b");
  EXPECT_EQ(line(), u"a");
}

TEST_F(CommandLineTest, ControlCodesOtherThanEnterAndBackspaceAreTyped) {
  Type(u"a\x1b\tb");
  EXPECT_EQ(line(), u"a\x1b\tb");
}

TEST_F(CommandLineTest, TypingStopsAtSevenHundredPixels) {
  // ">" + 68 characters is 690 px: one more fits, then nothing.
  Type(std::u16string(68, u'a'));
  Type(u"bc");
  EXPECT_EQ(line(), std::u16string(68, u'a') + u"b");
  Type(u"\bd");
  EXPECT_EQ(line(), std::u16string(68, u'a') + u"d");
  // Escape has no width, so it still goes in when the line is just short.
  line() = std::u16string(68, u'a');
  Type(u"\x1b\x1b");
  EXPECT_EQ(line().size(), 70u);
}

TEST_F(CommandLineTest, EnterOnAnEmptyLineOnlyStartsANewPage) {
  t.console.linesSincePause = 12;
  EXPECT_FALSE(HandleCommandChar(t.console, u'\r').has_value());
  EXPECT_EQ(t.console.linesSincePause, 1);
  EXPECT_TRUE(t.observer.lines.empty());
}

TEST_F(CommandLineTest, EnterEchoesThroughTheConsoleAndHandsTheLineBack) {
  Type(u"a/b*");
  const std::optional<std::u16string> submitted =
      HandleCommandChar(t.console, u'\r');
  ASSERT_TRUE(submitted.has_value());
  EXPECT_EQ(*submitted, u"a/b*");
  // The slash breaks the echo into two lines.
  EXPECT_EQ(t.observer.lines, (std::vector<std::u16string>{u">a", u"b*"}));
  EXPECT_EQ(line(), u"");
}

TEST_F(CommandLineTest, CursorBlinksEveryHalfSecondAfterTheText) {
  line() = u"abc";
  // The fake clock moves by one per look; 999 is read as 1000: even.
  t.platform.now = 999;
  DrawCommandLine(t.console);
  ASSERT_EQ(t.platform.rects.size(), 1u);
  const DrawnRect cursor = t.platform.rects[0];
  EXPECT_EQ(cursor.x, 22 + 30 + 1 + 10);
  EXPECT_EQ(cursor.y, 570);
  EXPECT_EQ(cursor.width, 14);
  EXPECT_EQ(cursor.height, 22);
  EXPECT_EQ(cursor.r << 16 | cursor.g << 8 | cursor.b, 0xFFFF00);
  ASSERT_EQ(t.platform.texts.size(), 1u);
  EXPECT_EQ(t.platform.texts[0].text, u">abc");
  t.platform.ClearRecords();
  t.platform.now = 1499;  // read as 1500: odd half-second, no cursor
  DrawCommandLine(t.console);
  EXPECT_TRUE(t.platform.rects.empty());
}

}  // namespace
}  // namespace zarvel::testing
