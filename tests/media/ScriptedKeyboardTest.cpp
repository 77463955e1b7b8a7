// The typing rules of the key script, which the terminal runner's
// transcripts depend on.

#include <gtest/gtest.h>

#include "media/Platform.h"
#include "media/headless/ScriptedKeyboard.h"

namespace zarvel {
namespace {

class ScriptedKeyboardTest : public ::testing::Test {
 protected:
  void Script(std::vector<std::string> lines) {
    keyboard_.SetLines(std::move(lines));
  }
  // Everything NextChar gives until the queue is empty.
  std::u16string TakeQueued() {
    std::u16string taken;
    while (!keyboard_.queued().empty()) taken += char16_t(keyboard_.NextChar());
    return taken;
  }

  VirtualClock clock_;
  ScriptedKeyboard keyboard_{clock_};
};

TEST_F(ScriptedKeyboardTest, ALineIsTypedWholeOnlyWhenTheQueueRunsDry) {
  Script({"ab", "c"});
  EXPECT_TRUE(keyboard_.queued().empty());  // nothing typed before asked
  EXPECT_EQ(keyboard_.NextChar(), 'a');
  EXPECT_EQ(keyboard_.queued(), (std::deque<char16_t>{'b', 13}));
  EXPECT_EQ(keyboard_.NextChar(), 'b');
  EXPECT_EQ(keyboard_.NextChar(), 13);
  EXPECT_EQ(keyboard_.NextChar(), 'c');
  EXPECT_EQ(clock_.now, 0);  // no poll found nothing
}

TEST_F(ScriptedKeyboardTest, DiscardedInputLosesTheRestOfTheLineOnly) {
  Script({"abc", "d"});
  EXPECT_EQ(keyboard_.NextChar(), 'a');
  keyboard_.DiscardInput();
  EXPECT_EQ(keyboard_.NextChar(), 'd');
}

TEST_F(ScriptedKeyboardTest, EndOfScriptThrowsWhenInputIsAskedFor) {
  Script({"x{noenter}"});
  EXPECT_EQ(keyboard_.NextChar(), 'x');
  EXPECT_THROW(keyboard_.NextChar(), InputExhausted);
  EXPECT_THROW(keyboard_.WaitKeyPress(), InputExhausted);
  // Looking at the keys or the window is not asking for input.
  EXPECT_FALSE(keyboard_.IsKeyDown(27));
  EXPECT_FALSE(keyboard_.TakeCloseRequest());
}

TEST_F(ScriptedKeyboardTest, HeldTypingTypesNothingAndPollsMoveTheClock) {
  Script({"S"});
  keyboard_.SetTypingHeld(true);
  for (int poll = 0; poll < 5; ++poll) EXPECT_EQ(keyboard_.NextChar(), 0);
  EXPECT_EQ(clock_.now, 5);
  keyboard_.SetTypingHeld(false);
  EXPECT_EQ(keyboard_.NextChar(), 'S');
}

TEST_F(ScriptedKeyboardTest, HeldTypingAtTheEndOfTheScriptDoesNotThrow) {
  keyboard_.SetTypingHeld(true);
  EXPECT_EQ(keyboard_.NextChar(), 0);
  keyboard_.SetTypingHeld(false);
  EXPECT_THROW(keyboard_.NextChar(), InputExhausted);
}

TEST_F(ScriptedKeyboardTest, WaitStopsTypingForThatLongOnTheClock) {
  Script({"a{wait 10}b", "c"});
  EXPECT_EQ(keyboard_.NextChar(), 'a');
  int polls = 0;
  int code = 0;
  while ((code = keyboard_.NextChar()) == 0) ++polls;
  EXPECT_EQ(code, 'b');
  EXPECT_EQ(polls, 10);
  EXPECT_EQ(clock_.now, 10);
  EXPECT_EQ(keyboard_.NextChar(), 13);
  EXPECT_EQ(keyboard_.NextChar(), 'c');
}

TEST_F(ScriptedKeyboardTest, AWaitAtTheEndOfALineDelaysTheNextLine) {
  Script({"{wait 3}{noenter}", "x"});
  EXPECT_EQ(keyboard_.NextChar(), 0);
  EXPECT_EQ(keyboard_.NextChar(), 0);
  EXPECT_EQ(keyboard_.NextChar(), 0);
  EXPECT_EQ(keyboard_.NextChar(), 'x');
  EXPECT_EQ(clock_.now, 3);
}

// Escape is down from its typing into the queue until the next key is
// typed (the line's own Enter included) or the input is discarded.
TEST_F(ScriptedKeyboardTest, EscapeIsHeldFromItsTypingToTheNextKey) {
  struct Case {
    std::vector<std::string> lines;
    int charsTaken;  // NextChar calls before looking
    bool held;
  };
  const Case cases[] = {
      {{"1{esc}{noenter}"}, 0, false},  // nothing typed yet
      {{"1{esc}{noenter}"}, 1, true},   // the digit comes with Escape held
      {{"{esc}{noenter}"}, 1, true},
      {{"{esc}"}, 1, false},            // let go by the line's Enter
      {{"{esc}a{noenter}"}, 1, false},  // and by any other key
      {{"{esc}{key}{noenter}"}, 1, false},
      {{"{esc}{wait 5}a{noenter}"}, 1, true},  // "a" is not typed yet
  };
  for (const Case& c : cases) {
    VirtualClock clock;
    ScriptedKeyboard keyboard(clock);
    keyboard.SetLines(c.lines);
    for (int i = 0; i < c.charsTaken; ++i) keyboard.NextChar();
    EXPECT_EQ(keyboard.IsKeyDown(27), c.held) << c.lines[0];
    EXPECT_FALSE(keyboard.IsKeyDown(13)) << c.lines[0];
  }
}

TEST_F(ScriptedKeyboardTest, EscapeStaysHeldUntilInputIsDiscarded) {
  Script({"{esc}{noenter}"});
  EXPECT_EQ(keyboard_.NextChar(), 27);
  keyboard_.SetTypingHeld(true);
  EXPECT_EQ(keyboard_.NextChar(), 0);  // polls that find nothing keep it
  EXPECT_TRUE(keyboard_.IsKeyDown(27));
  keyboard_.DiscardInput();
  EXPECT_FALSE(keyboard_.IsKeyDown(27));
}

TEST_F(ScriptedKeyboardTest, WaitKeyPressTypesALineAndKeepsItsCharacters) {
  Script({"ab", "c"});
  EXPECT_EQ(keyboard_.NextChar(), 'a');
  keyboard_.WaitKeyPress();  // discards "b", Enter; types the next line
  EXPECT_EQ(TakeQueued(), u"c\r");
}

TEST_F(ScriptedKeyboardTest, WaitKeyPressReturnsOnKeysWithoutCharacters) {
  Script({"{key}{noenter}", "x"});
  keyboard_.WaitKeyPress();
  EXPECT_TRUE(keyboard_.queued().empty());
  EXPECT_EQ(keyboard_.NextChar(), 'x');
}

TEST_F(ScriptedKeyboardTest, WaitKeyPressKeepsACloseRequestAndWaitsOnForAKey) {
  Script({"{close}{noenter}", "{wait 40}{key}{noenter}"});
  keyboard_.WaitKeyPress();
  EXPECT_EQ(clock_.now, 40);  // the script's pause passed while waiting
  EXPECT_TRUE(keyboard_.closeRequestPending());
  EXPECT_TRUE(keyboard_.TakeCloseRequest());
  EXPECT_FALSE(keyboard_.TakeCloseRequest());
}

TEST_F(ScriptedKeyboardTest, WaitKeyPressTypesEvenWhileTypingIsHeld) {
  Script({"k"});
  keyboard_.SetTypingHeld(true);
  keyboard_.WaitKeyPress();
  EXPECT_EQ(TakeQueued(), u"k\r");
}

TEST_F(ScriptedKeyboardTest, CloseRequestsCarryTheirConfirmationAnswers) {
  Script({"{close}{quit}{noenter}", "{close}{noenter}", "{quit}{noenter}"});
  // A confirmation with no request taken answers Cancel.
  EXPECT_FALSE(keyboard_.TakeConfirmAnswer());
  EXPECT_EQ(keyboard_.NextChar(), 0);
  // Two requests before one is taken are one request; the later answers.
  EXPECT_TRUE(keyboard_.TakeCloseRequest());
  EXPECT_FALSE(keyboard_.TakeCloseRequest());
  EXPECT_TRUE(keyboard_.TakeConfirmAnswer());
  EXPECT_FALSE(keyboard_.TakeConfirmAnswer());  // an answer is used once

  EXPECT_EQ(keyboard_.NextChar(), 0);
  EXPECT_TRUE(keyboard_.TakeCloseRequest());
  EXPECT_FALSE(keyboard_.TakeConfirmAnswer());

  EXPECT_EQ(keyboard_.NextChar(), 0);
  EXPECT_TRUE(keyboard_.TakeCloseRequest());
  keyboard_.DiscardInput();  // input, not the window's request or answer
  EXPECT_TRUE(keyboard_.TakeConfirmAnswer());
}

TEST_F(ScriptedKeyboardTest, TheQueueHoldsAtMost256Characters) {
  Script({std::string(300, 'z')});
  EXPECT_EQ(keyboard_.NextChar(), 'z');
  EXPECT_EQ(keyboard_.queued().size(), 255u);  // Enter was dropped too
}

TEST_F(ScriptedKeyboardTest, ReadsALineSourceOnlyWhenALineIsNeeded) {
  int reads = 0;
  keyboard_.SetLineSource([&reads]() -> std::optional<std::string> {
    ++reads;
    if (reads > 2) return std::nullopt;
    return std::string(reads == 1 ? "a" : "b");
  });
  EXPECT_EQ(reads, 0);
  EXPECT_EQ(keyboard_.NextChar(), 'a');
  EXPECT_EQ(keyboard_.NextChar(), 13);
  EXPECT_EQ(reads, 1);
  EXPECT_EQ(keyboard_.NextChar(), 'b');
  EXPECT_EQ(reads, 2);
  keyboard_.NextChar();
  EXPECT_THROW(keyboard_.NextChar(), InputExhausted);
}

}  // namespace
}  // namespace zarvel
