// Conversations: the opening without a menu, numbered menus chosen by one
// key, levels, Escape, and the walk over the dialogue table.

#include <gtest/gtest.h>

#include "commands/Commands.h"
#include "support/GameFixture.h"

namespace zarvel::testing {
namespace {

class ConversationTest : public GameFixture {
 protected:
  ConversationTest() { Item(3, 1, u"sestru", u"static"); }

  // Two options at level 1: one ends, one leads to level 2.
  void NurseWithTwoOptions() {
    Dialogue(u"sestru", u"pr=3/M", u"1", u"Zeptat se na cestu.", u"„Kudy?“",
             u"„Nahoru.“", u"0", u"sc=1");
    Dialogue(u"sestru", u"pr=3/M", u"1", u"Zeptat se na večeři.", u"„Co?“",
             u"„Tebe.“", u"2");
  }
};

TEST_F(ConversationTest, NobodyToTalkTo) {
  Dialogue(u"sestru", u"pr=3/5", u"1", u"Volba.", u"Já.", u"Ona.", u"0");
  Dialogue(u"sestru", u"", u"1", u"Volba.", u"Já.", u"Ona.", u"0");
  Dialogue(u"sestru", u"pr=3/M", u"2", u"Volba.", u"Já.", u"Ona.", u"0");
  TalkTo(game, u"na sestru");
  TalkTo(game, u"sestru");
  EXPECT_EQ(Printed(),
            TextLines({u"Bohužel zde není vhodný objekt k rozhovoru.",
                       u"Bohužel zde není vhodný objekt k rozhovoru."}));
}

TEST_F(ConversationTest, ALoneOpeningEntryIsPlayedWithoutAMenuAndEnds) {
  Dialogue(u"zdravotní sestru", u"pr=3/M", u"1", u"Volba.", u"„Ahoj.“",
           u"„Čau.“", u"2", u"sc=5");
  Dialogue(u"zdravotní sestru", u"pr=3/M", u"2", u"Nikdy.", u"", u"", u"0");
  TalkTo(game, u"sestru");
  EXPECT_EQ(Printed(), TextLines({u"Promluvil jsi na zdravotní sestru.", u"",
                                  u"„Ahoj.“", u"„Čau.“"}));
  EXPECT_EQ(world.score, 5);
}

TEST_F(ConversationTest, MenuOptionIsChosenByDigitOrNumberRowLetter) {
  NurseWithTwoOptions();
  Keys({"3ě", "{esc}{noenter}"});  // "3" names no option and is ignored
  TalkTo(game, u"sestru");
  EXPECT_EQ(
      Printed(),
      TextLines({u"Promluvil jsi na sestru.", u"", u"1. Zeptat se na cestu.",
                 u"2. Zeptat se na večeři.", u"", u"„Co?“", u"„Tebe.“",
                 // level 2 has nothing: the header again, no options
                 u"Promluvil jsi na sestru.", u"", u"",
                 // only Escape leaves that menu
                 u"", u"Předčasně jsi ukončil rozhovor."}));
}

TEST_F(ConversationTest, NextLevelZeroEndsWithAnEmptyLine) {
  NurseWithTwoOptions();
  Keys({"+"});
  TalkTo(game, u"");  // the empty noun fits everybody
  EXPECT_EQ(Printed(),
            TextLines({u"Promluvil jsi na sestru.", u"",
                       u"1. Zeptat se na cestu.", u"2. Zeptat se na večeři.",
                       u"", u"„Kudy?“", u"„Nahoru.“", u""}));
  EXPECT_EQ(world.score, 1);
  // The menu restarted the page count, so a pause comes a page later.
  EXPECT_EQ(game.console.linesSincePause, 4);
}

TEST_F(ConversationTest, LaterLevelWithOneEntryStillShowsAMenu) {
  NurseWithTwoOptions();
  Dialogue(u"sestru", u"pr=3/M", u"2", u"Utéct.", u"„Musím jít.“", u"„Nikam.“",
           u"0", u"endcredits");
  Keys({"2", "x1"});
  TalkTo(game, u"sestru");
  const std::vector<Text> printed = Printed();
  const std::vector<Text> tail(printed.begin() + 7, printed.end());
  EXPECT_EQ(tail, TextLines({u"Promluvil jsi na sestru.", u"", u"1. Utéct.",
                             u"", u"„Musím jít.“", u"„Nikam.“", u""}));
  // The talk ignores the flow request; the main loop serves it later.
  EXPECT_EQ(world.pendingFlow, FlowRequest::EndCredits);
}

TEST_F(ConversationTest, AnEntryLeadingToItsOwnLevelShowsTheSameMenuAgain) {
  Dialogue(u"sestru", u"pr=3/M", u"1", u"Znovu.", u"Já.", u"Ona.", u"1");
  Dialogue(u"sestru", u"pr=3/M", u"1", u"Konec.", u"Sbohem.", u"Sbohem.", u"0");
  Keys({"1", "1", "2"});
  TalkTo(game, u"sestru");
  const std::vector<Text> printed = Printed();
  EXPECT_EQ(std::count(printed.begin(), printed.end(), u"1. Znovu."), 3);
  EXPECT_EQ(printed.back(), u"");
  EXPECT_EQ(printed[printed.size() - 2], u"Sbohem.");
}

TEST_F(ConversationTest, EscapeEndsTheTalkKeepingEarlierEffects) {
  NurseWithTwoOptions();
  Dialogue(u"sestru", u"pr=3/M", u"2", u"A.", u"", u"", u"0", u"sc=100");
  Dialogue(u"sestru", u"pr=3/M", u"2", u"B.", u"", u"", u"0", u"sc=100");
  world.dialogues.slots[1].effects = u"sc=7";
  Keys({"2", "1{esc}{noenter}"});  // the digit comes with Escape held
  TalkTo(game, u"sestru");
  const std::vector<Text> printed = Printed();
  EXPECT_EQ(std::vector<Text>(printed.end() - 2, printed.end()),
            TextLines({u"", u"Předčasně jsi ukončil rozhovor."}));
  EXPECT_EQ(world.score, 7);
  EXPECT_TRUE(platform.keyboard().queued().empty());
}

// After a one-option menu, a level where nothing fits must not replay an
// entry of the level before: it waits like any empty menu.
TEST_F(ConversationTest, EmptyLevelAfterAOneOptionMenuWaitsForEscape) {
  NurseWithTwoOptions();
  Dialogue(u"sestru", u"pr=3/M", u"2", u"Dál.", u"„Dál.“", u"„Ne.“", u"3",
           u"sc=50");
  Keys({"2", "1", "1", "{esc}{noenter}"});
  TalkTo(game, u"sestru");
  const std::vector<Text> printed = Printed();
  EXPECT_EQ(std::vector<Text>(printed.begin() + 7, printed.end()),
            TextLines({u"Promluvil jsi na sestru.", u"", u"1. Dál.", u"",
                       u"„Dál.“", u"„Ne.“", u"Promluvil jsi na sestru.", u"",
                       u"", u"", u"Předčasně jsi ukončil rozhovor."}));
  EXPECT_EQ(world.score, 50);
}

TEST_F(ConversationTest, TheWalkStopsAtTheLastRecordOfTheFile) {
  Dialogue(u"sestru", u"pr=3/M", u"1", u"Jediná.", u"Já.", u"Ona.", u"0");
  // A leftover slot right after the count would make a second option.
  world.dialogues.slots[1] = {u"sestru", u"pr=3/M", u"1", u"Stará.",
                              u"",       u"",       u"0", u""};
  TalkTo(game, u"sestru");
  EXPECT_EQ(Printed(),
            TextLines({u"Promluvil jsi na sestru.", u"", u"Já.", u"Ona."}));
  world.dialogues.count = 20000;  // more than the table holds
  world.dialogues.slots[kRuleCapacity - 1] = world.dialogues.slots[0];
  Keys({"{esc}{noenter}"});
  TalkTo(game, u"sestru");
  EXPECT_EQ(Printed()[4], u"3. Jediná.");
}

TEST_F(ConversationTest, TalkCommandPassesItsNoun) {
  NurseWithTwoOptions();
  Keys({"1"});
  DispatchCommand(game, u"řekni sestru");
  EXPECT_EQ(Printed()[1], u"Promluvil jsi na sestru.");
  EXPECT_EQ(world.commandCount, 1);
}

}  // namespace
}  // namespace zarvel::testing
