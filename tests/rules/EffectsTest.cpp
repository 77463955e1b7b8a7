// The effect forms: what each element changes, in order, and what it
// leaves alone.

#include <gtest/gtest.h>

#include "rules/Rules.h"
#include "support/GameFixture.h"

namespace zarvel::testing {
namespace {

class EffectsTest : public GameFixture {
 protected:
  EffectsTest() {
    world.currentRoom = 4;
    Item(5, 3, u"lampu");
  }
};

struct PlaceCase {
  const char16_t* effects;
  int location;
};

class ItemPlacementTest : public EffectsTest,
                          public ::testing::WithParamInterface<PlaceCase> {};

TEST_P(ItemPlacementTest, PutsTheItemWhereThePlaceSays) {
  ApplyEffects(game.world, game.platform, GetParam().effects);
  EXPECT_EQ(world.items[5].location, GetParam().location)
      << TextToUtf8(GetParam().effects);
  EXPECT_EQ(world.pendingFlow, FlowRequest::None);
}

INSTANTIATE_TEST_SUITE_P(
    Places, ItemPlacementTest,
    ::testing::Values(PlaceCase{u"pr=5/M", 4}, PlaceCase{u"pr=5/I", 1000},
                      PlaceCase{u"pr=5/2000", 2000}, PlaceCase{u"pr=5/-2", -2},
                      PlaceCase{u"pr=5", 0},        // leaves play
                      PlaceCase{u"pr=5/N2000", 0},  // no negation here
                      PlaceCase{u"pr=5/7\r", 7},    // lenient numbers
                      PlaceCase{u"pr=5/$10", 16},
                      PlaceCase{u"pr=5/1;pr=5/2", 2},  // the later one wins
                      PlaceCase{u" pr=5/1", 3},        // not a keyword
                      PlaceCase{u"pr=1000/1;pr=-1/1", 3}));

TEST_F(EffectsTest, RoomChangeRaisesReloadAndMovesLaterPlacesWithIt) {
  ApplyEffects(game.world, game.platform, u"rm=7;pr=5/M");
  EXPECT_EQ(world.currentRoom, 7);
  EXPECT_EQ(world.items[5].location, 7);
  EXPECT_EQ(world.pendingFlow, FlowRequest::RoomReload);
}

TEST_F(EffectsTest, TheLastFlowRequestOfTheListWins) {
  ApplyEffects(game.world, game.platform, u"outro;rm=2");
  EXPECT_EQ(world.pendingFlow, FlowRequest::RoomReload);
  ApplyEffects(game.world, game.platform, u"cnt_st=1/off;cnt=1/0;endcredits");
  EXPECT_EQ(world.pendingFlow, FlowRequest::EndCredits);
  ApplyEffects(game.world, game.platform,
               u"outro!");  // any element beginning with it
  EXPECT_EQ(world.pendingFlow, FlowRequest::Outro);
  ApplyEffects(game.world, game.platform,
               u"sc=1");  // effects never clear a request
  EXPECT_EQ(world.pendingFlow, FlowRequest::Outro);
}

TEST_F(EffectsTest, ScoreCompassAndExits) {
  ApplyEffects(game.world, game.platform, u"sc=5;sc=-8;kompas=abc");
  EXPECT_EQ(world.score, -3);
  EXPECT_EQ(world.compassSetting, u"0");
  ApplyEffects(game.world, game.platform, u"kompas= 01");
  EXPECT_EQ(world.compassSetting, u"1");

  ApplyEffects(game.world, game.platform, u"s=4;j=5;v=6;z=7;n=8;d=9");
  EXPECT_EQ(world.currentExits, (std::array<int, 6>{4, 5, 6, 7, 8, 9}));
  // "sc=" is no north exit and "dropall=" no down exit.
  ApplyEffects(game.world, game.platform, u"sc=1;dropall=2/0;s=0");
  EXPECT_EQ(world.currentExits, (std::array<int, 6>{0, 5, 6, 7, 8, 9}));
}

TEST_F(EffectsTest, CountersTakeValuesAndStatesVerbatim) {
  ApplyEffects(game.world, game.platform, u"cnt=3/9;cnt_st=3/on;cnt_st=4/ off");
  EXPECT_EQ(world.counters[3].value, 9);
  EXPECT_EQ(world.counters[3].state, u"on");
  EXPECT_EQ(world.counters[4].state, u" off");
  // Outside the table, or without the "/", nothing happens.
  ApplyEffects(game.world, game.platform,
               u"cnt=1000/5;cnt_st=-1/on;cnt=3;cnt_st=3");
  EXPECT_EQ(world.counters[3].value, 9);
  EXPECT_EQ(world.counters[3].state, u"on");
}

TEST_F(EffectsTest, DropAllMovesWhatThePlayerCarriesWithinTheItemScan) {
  Item(1, 1000, u"klíč");
  Item(2, 1001, u"nůž");  // player 2's
  Item(0, 1000, u"null");
  world.items[9] = {1000, u"za seznamem", u"", u""};  // beyond itemCount
  ApplyEffects(game.world, game.platform, u"dropall=1/2000");
  EXPECT_EQ(world.items[0].location, 2000);
  EXPECT_EQ(world.items[1].location, 2000);
  EXPECT_EQ(world.items[2].location, 1001);
  EXPECT_EQ(world.items[9].location, 1000);
  EXPECT_EQ(Traces(), std::vector<std::string>{"dropall activated"});
  EXPECT_TRUE(Printed().empty());  // a diagnostic, not a reply
}

TEST_F(EffectsTest, DropAllForAnEmptyHandedPlayerStillTraces) {
  ApplyEffects(game.world, game.platform, u"dropall=3/0");
  EXPECT_EQ(Traces(), std::vector<std::string>{"dropall activated"});
}

TEST_F(EffectsTest, DropAllNeverScansPastTheItemTable) {
  world.itemCount = 5000;  // a file with more lines than the table
  world.items[999].location = 1000;
  ApplyEffects(game.world, game.platform, u"dropall=1/3");
  EXPECT_EQ(world.items[999].location, 3);
}

TEST_F(EffectsTest, UnknownElementsAreIgnored) {
  const World before = world;
  ApplyEffects(game.world, game.platform, u" rm=5;xyz;;RM=5;Outro;endcredit");
  EXPECT_EQ(world.currentRoom, before.currentRoom);
  EXPECT_EQ(world.pendingFlow, FlowRequest::None);
  EXPECT_EQ(world.items[5].location, 3);
}

}  // namespace
}  // namespace zarvel::testing
