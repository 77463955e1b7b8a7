// Take, drop, examine and use with their rule files.

#include <gtest/gtest.h>

#include "commands/Commands.h"
#include "rules/Rules.h"
#include "support/GameFixture.h"

namespace zarvel::testing {
namespace {

class ObjectVerbsTest : public GameFixture {
 protected:
  ObjectVerbsTest() {
    world.compassSetting = u"0";
    Variant(u"1", u"", u"", u"2,0,0,0,0,0", u"Předsíň.");
  }
};

struct ShortNounCase {
  void (*verb)(Game&, const Text&);
  const char16_t* noun;
  const char16_t* reply;
};

class ShortNounTest : public ObjectVerbsTest,
                      public ::testing::WithParamInterface<ShortNounCase> {};

TEST_P(ShortNounTest, NounsShorterThanThreeAreRefusedBeforeAnyRule) {
  Item(1, 1, u"ab");
  AddRule(world.takeRules, u"ab", u"rm=1", u"sc=1", u"pravidlo");
  AddRule(world.dropRules, u"ab", u"rm=1", u"sc=1", u"pravidlo");
  AddRule(world.examineRules, u"ab", u"rm=1", u"sc=1", u"pravidlo");
  AddRule(world.useRules, u"ab", u"rm=1", u"sc=1", u"pravidlo");
  GetParam().verb(game, GetParam().noun);
  EXPECT_EQ(Printed(), std::vector<Text>{GetParam().reply});
  EXPECT_EQ(world.score, 0);
  EXPECT_EQ(world.items[1].location, 1);
}

INSTANTIATE_TEST_SUITE_P(
    Verbs, ShortNounTest,
    ::testing::Values(
        ShortNounCase{TakeItem, u"", u"No tak tohle tu opravdu není, promiň."},
        ShortNounCase{TakeItem, u"ab",
                      u"No tak tohle tu opravdu není, promiň."},
        ShortNounCase{DropItem, u"ab",
                      u"Bohužel mi přijde, že se snažíš o něco, co ti není "
                      u"souzeno."},
        ShortNounCase{ExamineObject, u"ab",
                      u"Hmm, nevím, ale to je málo k tomu abychom něco "
                      u"prozkoumali."},
        ShortNounCase{UseObject, u"",
                      u"Daný příkaz je sice správný, nicméně, "
                      u"neproveditelný."}));

TEST_F(ObjectVerbsTest, TakesAMovableItemLyingHereWithItsTakenName) {
  Item(1, 1, u"svazek klíčů", u"movable", u"svazek klíčů-vzatý");
  TakeItem(game, u"klíč");
  EXPECT_EQ(Printed(), TextLines({u"seber_ano_muz svazek klíčů-vzatý."}));
  EXPECT_EQ(world.items[1].location, 1000);
  TakeItem(game, u"klíčů ");  // a trailing space belongs to the noun
  EXPECT_EQ(Printed(), TextLines({u"seber_ne_muz"}));
}

TEST_F(ObjectVerbsTest, StaticItemsStay) {
  Item(1, 1, u"stůl", u"static");
  TakeItem(game, u"stůl");
  EXPECT_EQ(Printed(), TextLines({u"seber_static_muz"}));
  EXPECT_EQ(world.items[1].location, 1);
}

TEST_F(ObjectVerbsTest, TakeIsRefusedWhenTheLimitIsReached) {
  world.inventoryLimit = u"2\r";
  Item(1, 1000, u"klíč");
  Item(2, 1, u"lampu");
  Item(3, 1, u"nůž");
  TakeItem(game, u"lampu");
  TakeItem(game, u"nůž");
  EXPECT_EQ(Printed(),
            TextLines({u"seber_ano_muz lampu-vzat.", u"plny_inventar_muz"}));
  EXPECT_EQ(world.items[3].location, 1);
}

TEST_F(ObjectVerbsTest, FirstMatchingItemCarriedAnswersAlreadyCarried) {
  Item(1, 5, u"štít starý");  // elsewhere: passed over
  Item(2, 1000, u"štít zlatý");
  Item(3, 1, u"štít dřevěný");
  TakeItem(game, u"štít");
  EXPECT_EQ(Printed(), TextLines({u"Štít zlatýpredmet_usebe_muz"}));
  EXPECT_EQ(world.items[3].location, 1);
  world.items[2].location = 5;
  TakeItem(game, u"štít");
  EXPECT_EQ(Printed(), TextLines({u"seber_ano_muz štít dřevěný-vzat."}));
}

TEST_F(ObjectVerbsTest, ItemsBeyondItemCountAreNeverFound) {
  Item(1, 1, u"klíč");
  world.items[2] = {1, u"lampu", u"lampu", u"movable"};
  TakeItem(game, u"lampu");
  EXPECT_EQ(Printed(), TextLines({u"seber_ne_muz"}));
  world.itemCount = 100000;  // more lines than slots: the scan stops at 999
  world.items[999] = {1, u"poslední", u"posledního", u"movable"};
  TakeItem(game, u"poslední");
  EXPECT_EQ(Printed(), TextLines({u"seber_ano_muz posledního."}));
}

TEST_F(ObjectVerbsTest, UnknownGenderSilencesTheComposedRepliesToo) {
  Gender(u"");
  Item(1, 1, u"klíč");
  TakeItem(game, u"klíč");
  EXPECT_TRUE(Printed().empty());
  EXPECT_EQ(world.items[1].location, 1000);
}

TEST_F(ObjectVerbsTest, FeminineRepliesUseTheFeminineKeys) {
  Gender(u"žena");
  Item(1, 1, u"klíč");
  TakeItem(game, u"klíč");
  DropItem(game, u"klíč");
  DropItem(game, u"klíč");
  EXPECT_EQ(Printed(), TextLines({u"seber_ano_zena klíč-vzat.",
                                  u"poloz_ano_zena klíč.", u"poloz_ne_zena"}));
}

TEST_F(ObjectVerbsTest, TakeRulesReplaceOrPrecedeTheOrdinaryTake) {
  Item(1, 1, u"louži", u"movable");
  Item(2, 1, u"lampu");
  Item(3, 1, u"sochu", u"static");
  AddRule(world.takeRules, u"louži", u"rm=1", u"sc=2", u"Louže proteče.", u"1");
  AddRule(world.takeRules, u"lampu", u"rm=1", u"", u"Lampa je horká.", u"0");
  AddRule(world.takeRules, u"sochu", u"rm=7", u"", u"Nikdy.", u"1");
  TakeItem(game, u"louži");
  TakeItem(game, u"lampu");
  TakeItem(game, u"sochu");  // its rule fails: the ordinary static reply
  EXPECT_EQ(Printed(),
            TextLines({u"Louže proteče.", u"Lampa je horká.",
                       u"seber_ano_muz lampu-vzat.", u"seber_static_muz"}));
  EXPECT_EQ(world.items[1].location, 1);
  EXPECT_EQ(world.items[2].location, 1000);
  EXPECT_EQ(world.score, 2);
}

TEST_F(ObjectVerbsTest, ActionRulesApplyEffectsBeforeTheirText) {
  AddRule(world.takeRules, u"klíč", u"rm=1", u"sc=3", u"Text.", u"x");
  EXPECT_EQ(RunTakeRules(game, u"klí"), 0);  // blocking reads leniently
  EXPECT_EQ(world.score, 3);
  AddRule(world.dropRules, u"klíč", u"rm=1", u"", u"Cink.", u"2");
  EXPECT_EQ(RunDropRules(game, u"klíč"), 2);
  EXPECT_EQ(RunDropRules(game, u"klíče"), 0);  // longer than the rule's noun
}

TEST_F(ObjectVerbsTest, DropPutsTheFirstCarriedMatchIntoTheRoom) {
  world.currentRoom = 1;
  Item(1, 1, u"klíč");                  // lying here: not droppable
  Item(2, 1000, u"klíček", u"static");  // mobility does not matter
  DropItem(game, u"klíč");
  EXPECT_EQ(Printed(), TextLines({u"poloz_ano_muz klíček."}));
  EXPECT_EQ(world.items[2].location, 1);
  DropItem(game, u"klíč");
  EXPECT_EQ(Printed(), TextLines({u"poloz_ne_muz"}));
  ListVisibleItems(game);
  EXPECT_EQ(Printed(), TextLines({u"", u"Vidíš klíč a klíček."}));
}

TEST_F(ObjectVerbsTest, DropRulesCanReplaceTheDrop) {
  Item(1, 1000, u"klíč");
  AddRule(world.dropRules, u"klíč", u"pr=1/1000", u"", u"Nepustíš ho.", u"1");
  DropItem(game, u"klíč");
  EXPECT_EQ(Printed(), TextLines({u"Nepustíš ho."}));
  EXPECT_EQ(world.items[1].location, 1000);
}

TEST_F(ObjectVerbsTest, FirstExamineRuleWhoseConditionsHoldAnswers) {
  Item(4, 0, u"nůž");
  AddRule(world.examineRules, u"stůl", u"", u"", u"Bez podmínek nikdy.");
  AddRule(world.examineRules, u"stůl", u"rm=2", u"", u"Jinde.");
  AddRule(world.examineRules, u"starý stůl", u"rm=1", u"", u"Starý stůl.");
  AddRule(world.examineRules, u"stůl", u"rm=1", u"", u"Pozdě.");
  ExamineObject(game, u"stůl");
  ExamineObject(game, u"stůly");
  ExamineObject(game, u"Stůl");
  EXPECT_EQ(Printed(), TextLines({u"Starý stůl.", u"prozkoumej_ne_muz",
                                  u"prozkoumej_ne_muz"}));
}

TEST_F(ObjectVerbsTest, ExamineWithEffectsReentersQuietlyAndRunsEvents) {
  Item(4, 0, u"nůž");
  world.locationVariants.slots[0].conditions = u"pr=4/0";
  Variant(u"1", u"", u"sc=10", u"0,3,0,0,0,0", u"Nůž leží.");
  world.counters[1].state = u"on";
  AddEvent(world.events, u"rm=1", u"sc=1", u"Tiché.");
  AddRule(world.examineRules, u"stůl", u"rm=1", u"pr=4/M", u"Pod stolem nůž.");
  ExamineObject(game, u"stůl");
  EXPECT_EQ(Printed(), TextLines({u"Pod stolem nůž."}));
  EXPECT_EQ(world.items[4].location, 1);
  EXPECT_EQ(world.currentExits, (std::array<int, 6>{0, 3, 0, 0, 0, 0}));
  EXPECT_EQ(world.score, 11);  // entry effect + the silent event
  EXPECT_EQ(world.counters[1].value, 1);
}

TEST_F(ObjectVerbsTest, ExamineWithoutEffectsChangesNothing) {
  world.counters[1].state = u"on";
  AddRule(world.examineRules, u"stůl", u"rm=1", u"", u"Obyčejný stůl.");
  world.currentExits = {9, 9, 9, 9, 9, 9};
  ExamineObject(game, u"stůl");
  EXPECT_EQ(world.counters[1].value, 0);
  EXPECT_EQ(world.currentExits, (std::array<int, 6>{9, 9, 9, 9, 9, 9}));
}

TEST_F(ObjectVerbsTest, ExamineThatMovesThePlayerLeavesTheReloadPending) {
  Variant(u"2", u"", u"", u"0,1,0,0,0,0", u"Kuchyň.");
  AddEvent(world.events, u"rm=2", u"", u"Event v kuchyni.");
  AddRule(world.examineRules, u"poklop", u"rm=1", u"rm=2", u"Propadl ses.");
  ExamineObject(game, u"poklop");
  // The event text shows because "roomreload" is pending.
  EXPECT_EQ(Printed(), TextLines({u"Propadl ses.", u"", u"Event v kuchyni."}));
  EXPECT_EQ(world.currentRoom, 2);
  EXPECT_EQ(world.currentExits, (std::array<int, 6>{0, 1, 0, 0, 0, 0}));
  EXPECT_EQ(world.pendingFlow, FlowRequest::RoomReload);
}

TEST_F(ObjectVerbsTest, UseWithEffectsReentersQuietlyWithoutEvents) {
  Item(5, 1000, u"lampu");
  Variant(u"1", u"pr=5/2000", u"", u"3,0,0,0,0,0", u"Světlo.");
  std::swap(world.locationVariants.slots[0], world.locationVariants.slots[1]);
  world.counters[1].state = u"on";
  AddEvent(world.events, u"rm=1", u"sc=1", u"");
  AddRule(world.useRules, u"lampu", u"", u"sc=100", u"Nikdy.");
  AddRule(world.useRules, u"lampu", u"pr=5;rm=1", u"pr=5/2000", u"Posvítil.");
  UseObject(game, u"lampu");
  UseObject(game, u"lampu");
  EXPECT_EQ(Printed(), TextLines({u"Posvítil.", u"pouzij_ne_muz"}));
  EXPECT_EQ(world.currentExits, (std::array<int, 6>{3, 0, 0, 0, 0, 0}));
  EXPECT_EQ(world.counters[1].value, 0);
  EXPECT_EQ(world.score, 0);
}

}  // namespace
}  // namespace zarvel::testing
