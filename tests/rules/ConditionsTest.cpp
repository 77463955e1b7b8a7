// The condition forms as a table over one fixed world.

#include <gtest/gtest.h>

#include "rules/Rules.h"
#include "support/GameFixture.h"

namespace zarvel::testing {
namespace {

struct ConditionCase {
  const char16_t* conditions;
  bool holds;
};

class ConditionsTest : public GameFixture,
                       public ::testing::WithParamInterface<ConditionCase> {
 protected:
  ConditionsTest() {
    world.currentRoom = 3;
    world.players[1].room = u"3";
    world.players[2] = {u"5", u"žena"};
    Item(84, 1000, u"klíč");
    Item(76, 2000, u"plášť");
    Item(98, 3, u"lampu");
    Item(5, 3, u"stůl");
    Item(6, 1001, u"nůž");  // carried by player 2
    Item(7, 0, u"duch");
    world.counters[1] = {u"on", 7};
    world.counters[2] = {u"", 0};
  }
};

TEST_P(ConditionsTest, HoldsExactlyWhenEveryElementIsARecognisedSatisfiedForm) {
  const ConditionCase& c = GetParam();
  EXPECT_EQ(EvaluateConditions(world, c.conditions), c.holds)
      << TextToUtf8(c.conditions);
  EXPECT_EQ(world.conditionResult, c.holds ? u"true" : u"");
}

INSTANTIATE_TEST_SUITE_P(
    Forms, ConditionsTest,
    ::testing::Values(
        // The empty list and empty or unknown elements never hold.
        ConditionCase{u"", false}, ConditionCase{u"rm=3;", false},
        ConditionCase{u"rm=3; pr=5", false}, ConditionCase{u"RM=3", false},
        ConditionCase{u"xyz", false}, ConditionCase{u"rm=3;rm=3", true},
        // Rooms: numbers, and "N" compared as text.
        ConditionCase{u"rm=3", true}, ConditionCase{u"rm=4", false},
        ConditionCase{u"rm=03", true}, ConditionCase{u"rm=3\r", true},
        ConditionCase{u"rm=N3", false}, ConditionCase{u"rm=N4", true},
        ConditionCase{u"rm=N03", true},
        // Items at a place, negated, and the worked example.
        ConditionCase{u"pr=84/1000;pr=76/2000;pr=98/3", true},
        ConditionCase{u"pr=84/1000;pr=76/N2000;pr=98/3", false},
        ConditionCase{u"pr=84/N2000", true}, ConditionCase{u"pr=7/0", true},
        ConditionCase{u"pr=7/N0", false}, ConditionCase{u"pr=5/M", true},
        ConditionCase{u"pr=5/NM", false}, ConditionCase{u"pr=84/NM", true},
        ConditionCase{u"pr=7/abc", true},  // a place that is no number is 0
        ConditionCase{u"pr=7/I", true},    // "I" means nothing here: 0
        // "At hand": here or carried by the current player only.
        ConditionCase{u"pr=5", true}, ConditionCase{u"pr=84", true},
        ConditionCase{u"pr=6", false}, ConditionCase{u"pr=7", false},
        // Counters: value as number, state as exact text.
        ConditionCase{u"cnt=1/7", true}, ConditionCase{u"cnt=1/6", false},
        ConditionCase{u"cnt=2/0", true}, ConditionCase{u"cnt=2/", true},
        ConditionCase{u"cnt_st=1/on", true},
        ConditionCase{u"cnt_st=2/on", false}, ConditionCase{u"cnt_st=2/", true},
        ConditionCase{u"cnt_st=1/on ", false},
        ConditionCase{u"cnt_st=1/On", false},
        // Players: the room text exactly, "M" for the current room.
        ConditionCase{u"pl=1/3", true}, ConditionCase{u"pl=1/M", true},
        ConditionCase{u"pl=1/03", false}, ConditionCase{u"pl=2/M", false},
        ConditionCase{u"pl=2/5", true},
        // Numbers go through the lenient parse.
        ConditionCase{u"pr= 98/3", true}, ConditionCase{u"pr=98/$3", true},
        ConditionCase{u"pr=98/%11", true}, ConditionCase{u"rm=+3", true},
        ConditionCase{u"rm=3abc", true}, ConditionCase{u"pr=98/3x", true},
        ConditionCase{u"cnt=1/7\r", true},
        // Indices outside the tables never hold, negated or not.
        ConditionCase{u"pr=1000/0", false}, ConditionCase{u"pr=-1/0", false},
        ConditionCase{u"pr=1000/N5", false}, ConditionCase{u"pr=1000", false},
        ConditionCase{u"cnt=1000/0", false},
        ConditionCase{u"cnt_st=-1/", false}, ConditionCase{u"pl=100/", false},
        ConditionCase{u"pl=-1/", false},
        // A counter or player form without its "/" does not parse.
        ConditionCase{u"cnt=2", false}, ConditionCase{u"cnt_st=2", false},
        ConditionCase{u"pl=1", false}));

TEST_F(ConditionsTest, ResultIsEmptiedByTheNextEvaluation) {
  ASSERT_TRUE(EvaluateConditions(world, u"rm=3"));
  EXPECT_EQ(world.conditionResult, u"true");
  EXPECT_FALSE(EvaluateConditions(world, u""));
  EXPECT_EQ(world.conditionResult, u"");
}

}  // namespace
}  // namespace zarvel::testing
