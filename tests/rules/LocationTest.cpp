// Entering a location: the variant walk, quiet entries, and the lists of
// items and exits after a description.

#include <gtest/gtest.h>

#include "rules/Rules.h"
#include "support/GameFixture.h"

namespace zarvel::testing {
namespace {

using Exits = std::array<int, 6>;

class LocationTest : public GameFixture {
 protected:
  LocationTest() { world.compassSetting = u"0"; }  // lists tested apart
};

TEST_F(LocationTest, FirstVariantWhoseConditionsHoldIsDescribed) {
  Item(5, 2000, u"lampu");
  Variant(u"2", u"", u"", u"9,9,9,9,9,9", u"Jiný pokoj.");
  Variant(u"1", u"pr=5/2000", u"sc=5", u"3,0,0,0,0,0", u"Světlo.");
  Variant(u"1", u"", u"sc=100", u"4,0,0,0,0,0", u"Tma.");
  EnterLocation(game, false);
  EXPECT_EQ(Printed(), TextLines({u"Světlo."}));
  EXPECT_EQ(world.currentExits, (Exits{3, 0, 0, 0, 0, 0}));
  EXPECT_EQ(world.score, 5);

  world.items[5].location = 0;  // now the first variant fails
  EnterLocation(game, false);
  EXPECT_EQ(Printed(), TextLines({u"Tma."}));
  EXPECT_EQ(world.currentExits, (Exits{4, 0, 0, 0, 0, 0}));
  EXPECT_EQ(world.score, 105);
}

TEST_F(LocationTest, NoChosenVariantPrintsNothingAndKeepsTheLastExits) {
  Variant(u"1", u"rm=2", u"sc=1", u"3,0,0,0,0,0", u"A.");
  Variant(u"1", u"rm=5", u"sc=1", u"0,4,0,0,0,0", u"B.");
  world.currentExits = {7, 7, 7, 7, 7, 7};
  EnterLocation(game, false);
  EXPECT_TRUE(Printed().empty());
  EXPECT_EQ(world.currentExits, (Exits{0, 4, 0, 0, 0, 0}));
  EXPECT_EQ(world.score, 0);

  world.currentRoom = 42;  // no variant at all
  EnterLocation(game, false);
  EXPECT_TRUE(Printed().empty());
  EXPECT_EQ(world.currentExits, (Exits{}));
}

TEST_F(LocationTest, EveryEntryRecordsTheRoomInThePlayersSlot) {
  world.players[1].room = u"1\r";  // as the initialization file left it
  world.currentRoom = 7;
  EnterLocation(game, true);
  EXPECT_EQ(world.players[1].room, u"7");
}

TEST_F(LocationTest, ExitsFieldsAreReadLeniently) {
  Variant(u"1\r", u"", u"", u" 2, 0,0,0,0,0", u"A.");
  EnterLocation(game, true);
  EXPECT_EQ(world.currentExits, (Exits{2, 0, 0, 0, 0, 0}));
  world.locationVariants.slots[0].exits = u"2,3";  // too short: rest 0
  EnterLocation(game, true);
  EXPECT_EQ(world.currentExits, (Exits{2, 3, 0, 0, 0, 0}));
  world.locationVariants.slots[0].exits = u"1,2,3,4,5,6,7";
  EnterLocation(game, true);
  EXPECT_EQ(world.currentExits, (Exits{1, 2, 3, 4, 5, 6}));
}

// An unconditional variant before others: a normal entry stops there, a
// quiet one goes on and lets the later variants apply as well.
class QuietWalkTest : public LocationTest {
 protected:
  QuietWalkTest() {
    Variant(u"1", u"", u"sc=1", u"1,0,0,0,0,0", u"Výchozí.");
    Variant(u"1", u"rm=5", u"sc=10", u"2,0,0,0,0,0", u"Nikdy.");
    Variant(u"1", u"", u"sc=100", u"3,0,0,0,0,0", u"Druhá výchozí.");
    Variant(u"1", u"rm=1", u"sc=1000", u"4,0,0,0,0,0", u"Zvláštní.");
    Variant(u"1", u"", u"sc=10000", u"5,0,0,0,0,0", u"Za koncem.");
  }
};

TEST_F(QuietWalkTest, NormalEntryStopsAtTheUnconditionalVariant) {
  EnterLocation(game, false);
  EXPECT_EQ(Printed(), TextLines({u"Výchozí."}));
  EXPECT_EQ(world.score, 1);
  EXPECT_EQ(world.currentExits, (Exits{1, 0, 0, 0, 0, 0}));
}

TEST_F(QuietWalkTest, QuietEntryGoesOnUntilAVariantWhoseConditionsHold) {
  EnterLocation(game, true);
  EXPECT_TRUE(Printed().empty());
  EXPECT_EQ(world.score, 1 + 100 + 1000);
  EXPECT_EQ(world.currentExits, (Exits{4, 0, 0, 0, 0, 0}));
}

TEST_F(LocationTest, QuietWalkWithOnlyUnconditionalVariantsEndsWithTheLast) {
  Variant(u"1", u"", u"s=8", u"1,0,0,0,0,0", u"A.");
  Variant(u"1", u"", u"", u"0,2,0,0,0,0", u"B.");
  EnterLocation(game, true);
  EXPECT_EQ(world.currentExits, (Exits{0, 2, 0, 0, 0, 0}));
}

TEST_F(LocationTest, EntryEffectsOverrideTheCopiedExits) {
  Variant(u"1", u"", u"s=0;d=6", u"3,0,0,0,0,0", u"A.");
  EnterLocation(game, false);
  EXPECT_EQ(world.currentExits, (Exits{0, 0, 0, 0, 0, 6}));
}

// The whole description block: text, event texts, items, exits.
class DescriptionTest : public GameFixture {
 protected:
  DescriptionTest() {
    Item(5, 1, u"lampu");
    Item(6, 1, u"stůl");
    Variant(u"1", u"", u"", u"2,3,0,0,0,0", u"Předsíň./ /Tma.");
    AddEvent(world.events, u"rm=1", u"", u"Něco zašustí.");
    AddEvent(world.events, u"rm=1", u"", u"");  // effects only
    AddEvent(world.events, u"rm=1", u"", u"Ticho.");
  }
};

TEST_F(DescriptionTest, PrintsDescriptionEventsItemsAndExitsInOrder) {
  EnterLocation(game, false);
  EXPECT_EQ(Printed(),
            TextLines({u"Předsíň.", u" ", u"Tma.", u"", u"Něco zašustí.", u"",
                       u"Ticho.", u"", u"Vidíš lampu a stůl.", u"",
                       u"Můžeš jít na sever a jih."}));
}

TEST_F(DescriptionTest, AnEntryEffectThatMovesThePlayerDropsTheLists) {
  world.locationVariants.slots[0].effects = u"rm=2";
  Variant(u"2", u"", u"", u"0,0,0,0,0,0", u"Jinde.");
  AddEvent(world.events, u"rm=2", u"", u"V novém pokoji.");
  EnterLocation(game, false);
  // Events run in the room the player was moved to.
  EXPECT_EQ(Printed(),
            TextLines({u"Předsíň.", u" ", u"Tma.", u"", u"V novém pokoji."}));
  EXPECT_EQ(world.pendingFlow, FlowRequest::RoomReload);
  EXPECT_EQ(world.currentRoom, 2);
}

TEST_F(DescriptionTest, GameOverFromAnEventDropsTheLists) {
  world.events.slots[2].effects = u"endcredits";
  EnterLocation(game, false);
  EXPECT_EQ(Printed(), TextLines({u"Předsíň.", u" ", u"Tma.", u"",
                                  u"Něco zašustí.", u"", u"Ticho."}));
  EXPECT_EQ(world.pendingFlow, FlowRequest::EndCredits);
}

TEST_F(DescriptionTest, OutroFromTheEntryEffectsSkipsTheEvents) {
  world.locationVariants.slots[0].effects = u"outro";
  world.counters[1].state = u"on";
  EnterLocation(game, false);
  EXPECT_EQ(Printed(), TextLines({u"Předsíň.", u" ", u"Tma."}));
  EXPECT_EQ(world.counters[1].value, 0);
}

TEST_F(DescriptionTest, QuietEntryPrintsNothingAndRunsNoEvents) {
  world.counters[1].state = u"on";
  EnterLocation(game, true);
  EXPECT_TRUE(Printed().empty());
  EXPECT_EQ(world.counters[1].value, 0);
}

struct ItemListCase {
  std::vector<const char16_t*> names;
  const char16_t* oldSchool;
  std::vector<const char16_t*> printed;
};

class ItemListTest : public GameFixture,
                     public ::testing::WithParamInterface<ItemListCase> {};

TEST_P(ItemListTest, ListsTheItemsOfTheRoomInIndexOrder) {
  world.oldSchool = GetParam().oldSchool;
  Item(0, 1, u"null");        // item 0 is never listed
  Item(9, 1000, u"v kapse");  // carried
  Item(10, 2, u"jinde");
  int id = 1;
  for (const char16_t* name : GetParam().names) Item(id++, 1, name);
  ListVisibleItems(game);
  std::vector<Text> expected(GetParam().printed.begin(),
                             GetParam().printed.end());
  EXPECT_EQ(Printed(), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Sentences, ItemListTest,
    ::testing::Values(
        ItemListCase{{}, u"true", {}},
        ItemListCase{{u"lampu"}, u"true", {u"", u"Vidíš lampu."}},
        ItemListCase{{u"A", u"B"}, u"true", {u"", u"Vidíš A a B."}},
        ItemListCase{{u"A", u"B", u"C"}, u"true", {u"", u"Vidíš A, B a C."}},
        ItemListCase{{u"A", u"B"}, u"True", {u"", u"A a B."}},
        // The last comma of the sentence, even inside a name.
        ItemListCase{
            {u"A", u"klíč, malý"}, u"true", {u"", u"Vidíš A, klíč a malý."}}));

TEST_F(GameFixture, ItemListNeverScansPastTheTable) {
  world.itemCount = 1500;
  world.items[999] = {1, u"poslední", u"", u""};
  ListVisibleItems(game);
  EXPECT_EQ(Printed(), TextLines({u"", u"Vidíš poslední."}));
}

struct ExitListCase {
  Exits exits;
  const char16_t* compass;
  std::vector<const char16_t*> printed;
};

class ExitListTest : public GameFixture,
                     public ::testing::WithParamInterface<ExitListCase> {};

TEST_P(ExitListTest, NamesTheOpenWays) {
  world.currentExits = GetParam().exits;
  world.compassSetting = GetParam().compass;
  ListExits(game);
  std::vector<Text> expected(GetParam().printed.begin(),
                             GetParam().printed.end());
  EXPECT_EQ(Printed(), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Sentences, ExitListTest,
    ::testing::Values(
        ExitListCase{{1, 1, 1, 1, 1, 1}, u"1", {u"Můžeš jít všemi směry."}},
        ExitListCase{{0, 0, 0, 0, 0, 0}, u"1", {u"", u"Cesta nikam nevede."}},
        ExitListCase{{-1, 0, 0, 0, 0, 0}, u"1", {u"", u"Cesta nikam nevede."}},
        ExitListCase{{0, 0, 0, 5, 0, 0}, u"1", {u"", u"Můžeš jít na západ."}},
        ExitListCase{
            {1, 1, 0, 0, 0, 0}, u"1", {u"", u"Můžeš jít na sever a jih."}},
        ExitListCase{{1, 1, 1, 0, 0, 0},
                     u"1",
                     {u"", u"Můžeš jít na sever, jih a východ."}},
        ExitListCase{{0, 1, 1, 1, 1, 1},
                     u"1",
                     {u"", u"Můžeš jít na jih, východ, západ, nahoru a dolů."}},
        ExitListCase{{1, 1, 1, 1, 1, 1}, u"0", {}},
        ExitListCase{{0, 0, 0, 0, 0, 0}, u"0", {}},
        ExitListCase{{0, 0, 0, 0, 0, 0}, u"1 ", {}}));

TEST_F(GameFixture, ExitListIsSilentWhileAFlowRequestIsPending) {
  world.currentExits = {1, 0, 0, 0, 0, 0};
  world.pendingFlow = FlowRequest::RoomReload;
  ListExits(game);
  EXPECT_TRUE(Printed().empty());
}

}  // namespace
}  // namespace zarvel::testing
