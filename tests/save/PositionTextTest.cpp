// The text of a position file: what is written, and how every kind of line
// is read back, odd ones included.

#include <gtest/gtest.h>

#include "save/Positions.h"
#include "support/GameFixture.h"

namespace zarvel::testing {
namespace {

using PositionTextTest = GameFixture;

TEST_F(PositionTextTest, WritesItemsScalarsCountersAndPlayerRooms) {
  world.itemCount = 3;
  world.items[1].location = 4;
  world.items[2].location = 1000;
  world.items[3].location = -2;
  world.items[4].location = 9;  // beyond itemCount: not written
  world.score = -5;
  world.currentRoom = 7;
  world.commandCount = 42;
  world.counters[0] = {u"on", 5};  // counter 0 is never written
  world.counters[2] = {u"on", 5};
  world.counters[3] = {u"off", 0};
  world.counters[999] = {u"", -1};
  game.savedPlayerRooms[1] = 7;
  game.savedPlayerRooms[99] = -3;
  EXPECT_EQ(BuildPositionText(game, u"Pokus u brány"),
            u"Pokus u brány\rpr=0/0\rpr=1/4\rpr=2/1000\rpr=3/-2\rscore=-5\r"
            u"lokace=7\rprikaz=42\rcnt=2/5\rcnt_st=2/on\rcnt_st=3/off\r"
            u"cnt=999/-1\rpl=1/7\rpl=99/-3\r");
}

TEST_F(PositionTextTest, ItemLinesStopAtTheEndOfTheTable) {
  world.itemCount = 5000;
  const Text text = BuildPositionText(game, u"");
  EXPECT_NE(text.find(u"\rpr=999/0\rscore=0\r"), Text::npos);
  EXPECT_EQ(text.find(u"pr=1000/"), Text::npos);
}

TEST_F(PositionTextTest, AppliesEveryKnownLineOverTheWorld) {
  world.items[5].location = 1;
  ApplyPositionText(game,
                    u"Jméno\rpr=5/34\rscore=15\rlokace=7\rprikaz=42\r"
                    u"cnt=2/5\rcnt_st=2/on\rpl=1/7\r");
  EXPECT_EQ(world.items[5].location, 34);
  EXPECT_EQ(world.score, 15);
  EXPECT_EQ(world.currentRoom, 7);
  EXPECT_EQ(world.commandCount, 42);
  EXPECT_EQ(world.counters[2].value, 5);
  EXPECT_EQ(world.counters[2].state, u"on");
  EXPECT_EQ(game.savedPlayerRooms[1], 7);
}

TEST_F(PositionTextTest, OddLinesFollowTheLenientRules) {
  world.items[0].location = 8;
  world.items[6].location = 8;
  world.items[7].location = 8;
  ApplyPositionText(
      game,
      u" \tpr=5/34 \n\r"  // trimmed on both sides, line feed included
      u"pr=6\r"           // no "/": the value comes from the whole line: 0
      u"pr=7/abc\r"       // not a number: 0
      u"pr=/5\r"          // an empty index is 0
      u"pr=8/12/13\r"     // the value stops at the second "/"
      u"pr=1000/3\rpr=-1/3\rcnt=1000/3\rcnt_st=-4/on\rpl=100/3\r"
      u"cnt=3/$10\r"
      u"cnt_st=4\r"       // no "/": the whole line becomes the state
      u"cnt_st=5/ on \r"  // the state keeps its inner blank
      u"score=abc\r"
      u"xyz=1\r\r"
      u"Pr=9/9\r");
  EXPECT_EQ(world.items[5].location, 34);
  EXPECT_EQ(world.items[6].location, 0);
  EXPECT_EQ(world.items[7].location, 0);
  EXPECT_EQ(world.items[0].location, 5);
  EXPECT_EQ(world.items[8].location, 12);
  EXPECT_EQ(world.items[9].location, 0);
  EXPECT_EQ(world.counters[3].value, 16);
  EXPECT_EQ(world.counters[4].state, u"cnt_st=4");
  EXPECT_EQ(world.counters[5].state, u" on");
  EXPECT_EQ(world.score, 0);
  EXPECT_EQ(game.savedPlayerRooms, (std::array<int, kPlayerCapacity>{}));
}

TEST_F(PositionTextTest, ANameThatLooksLikeALineIsAppliedAsOne) {
  ApplyPositionText(game, u"score=99\rlokace=3\r");
  EXPECT_EQ(world.score, 99);
}

TEST_F(PositionTextTest, RoundTripRestoresWhatWasWritten) {
  world.itemCount = 10;
  for (int id = 0; id <= 10; ++id) world.items[id].location = id * 100 - 3;
  world.counters[7] = {u"on", 3};
  world.counters[8] = {u"off", -9};
  world.score = 12;
  world.currentRoom = 4;
  game.savedPlayerRooms[1] = 4;
  const Text text = BuildPositionText(game, u"Sklep á");
  const World saved = world;
  world = World();
  game.savedPlayerRooms = {};
  ApplyPositionText(game, text);
  for (int id = 0; id <= 10; ++id) {
    EXPECT_EQ(world.items[id].location, saved.items[id].location);
  }
  EXPECT_EQ(world.counters[7].value, 3);
  EXPECT_EQ(world.counters[8].state, u"off");
  EXPECT_EQ(world.counters[8].value, -9);
  EXPECT_EQ(world.score, 12);
  EXPECT_EQ(world.currentRoom, 4);
  EXPECT_EQ(game.savedPlayerRooms[1], 4);
}

}  // namespace
}  // namespace zarvel::testing
