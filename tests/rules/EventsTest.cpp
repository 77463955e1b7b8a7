// The counters' clock and the two event runners.

#include <gtest/gtest.h>

#include "rules/Rules.h"
#include "support/GameFixture.h"

namespace zarvel::testing {
namespace {

using EventsTest = GameFixture;

TEST_F(EventsTest, RunningCountersAdvanceByOnePerPass) {
  world.counters[0] = {u"on", 0};
  world.counters[1] = {u"on", 4};
  world.counters[2] = {u"off", 9};
  world.counters[3] = {u"on ", 0};  // only "on" exactly runs
  world.counters[999] = {u"on", -1};
  RunRoomEvents(game);
  RunRoomEventsAfterExamine(game);
  EXPECT_EQ(world.counters[0].value, 2);
  EXPECT_EQ(world.counters[1].value, 6);
  EXPECT_EQ(world.counters[2].value, 9);
  EXPECT_EQ(world.counters[3].value, 0);
  EXPECT_EQ(world.counters[999].value, 1);
}

TEST_F(EventsTest, InventoryEventsDoNotMoveTheClock) {
  world.counters[1] = {u"on", 4};
  AddEvent(world.inventoryEvents, u"cnt=1/4", u"", u"Plášť tě hřeje.");
  AddEvent(world.inventoryEvents, u"", u"", u"Nikdy.");  // empty: never
  RunInventoryEvents(game);
  EXPECT_EQ(world.counters[1].value, 4);
  EXPECT_EQ(Printed(), TextLines({u"", u"Plášť tě hřeje."}));
}

TEST_F(EventsTest, EveryHoldingEventFiresOnceInFileOrder) {
  Item(5, 2000, u"tvor");
  // The step pattern: listed in reverse so one step per pass is taken.
  AddEvent(world.events, u"pr=5/2001", u"pr=5/2002", u"Druhý krok.");
  AddEvent(world.events, u"pr=5/2000", u"pr=5/2001", u"První krok.");
  // Sees the effect of the event before it in the same pass.
  AddEvent(world.events, u"pr=5/2001", u"sc=1", u"Vidí první krok.");
  RunRoomEvents(game);
  EXPECT_EQ(Printed(),
            TextLines({u"", u"První krok.", u"", u"Vidí první krok."}));
  EXPECT_EQ(world.items[5].location, 2001);
  RunRoomEvents(game);
  EXPECT_EQ(Printed(), TextLines({u"", u"Druhý krok."}));
  EXPECT_EQ(world.items[5].location, 2002);
  EXPECT_EQ(world.score, 1);
}

TEST_F(EventsTest, AfterAnExamineTextsShowOnlyWithAFlowRequestPending) {
  AddEvent(world.events, u"rm=1", u"sc=1", u"Tiše.");
  AddEvent(world.events, u"rm=1", u"endcredits", u"Konec.");
  AddEvent(world.events, u"rm=1", u"", u"Po konci.");
  RunRoomEventsAfterExamine(game);
  EXPECT_EQ(world.score, 1);  // effects apply all the same
  EXPECT_EQ(Printed(), TextLines({u"", u"Konec.", u"", u"Po konci."}));
}

// The timer as the data builds it: a creature follows the player and
// strikes in the seventh pass after the one that started the counter.
TEST_F(EventsTest, TimerStrikesInTheSeventhPassAfterItStarted) {
  world.currentRoom = 17;
  Item(61, 17, u"démon");
  AddEvent(world.events, u"rm=17;pr=61/17;cnt_st=1/", u"cnt_st=1/on",
           u"Démon tě zmerčil.");
  AddEvent(world.events, u"cnt_st=1/on", u"pr=61/M", u"");
  AddEvent(world.events, u"cnt=1/7", u"cnt_st=1/off;cnt=1/0;endcredits",
           u"Démon udeřil.");
  RunRoomEvents(game);  // starts the counter, still 0 in this pass
  EXPECT_EQ(world.counters[1].value, 0);
  world.currentRoom = 3;  // the player walks on, the demon follows
  int passes = 0;
  while (world.pendingFlow == FlowRequest::None && passes < 20) {
    RunRoomEvents(game);
    ++passes;
  }
  EXPECT_EQ(passes, 7);
  EXPECT_EQ(world.items[61].location, 3);
  EXPECT_EQ(world.counters[1].state, u"off");
  EXPECT_EQ(Printed().back(), u"Démon udeřil.");
}

TEST_F(EventsTest, EventTableWalkStopsAtTheRecordCount) {
  AddEvent(world.events, u"rm=1", u"sc=1", u"");
  world.events.slots[1] = {u"rm=1", u"sc=100", u"Stará."};  // beyond count
  RunRoomEvents(game);
  EXPECT_EQ(world.score, 1);
  world.events.count = 123456;  // a count larger than the table
  RunRoomEvents(game);
  EXPECT_EQ(world.score, 102);
}

}  // namespace
}  // namespace zarvel::testing
