// LoadWorld over a tiny but complete data set: the fixed order, what a
// reload sets again, what it keeps, and where Escape may cut it short.
#include <string>
#include <vector>

#include "data/World.h"
#include "media/EmbeddedResources.h"
#include "support/TinyDataFixture.h"

namespace zarvel {
namespace {

class LoadWorldTest : public TinyDataFixture {
 protected:
  // Stop-check calls of one load with a check that never stops.
  static constexpr int kInterruptibleSteps =
      1 + 1 + 1 + 1 + 1 + 1 + 1  // records
      + 3 + 3;                   // legend, dictionary lines
};

TEST_F(LoadWorldTest, FillsEveryPartFromItsFile) {
  World world;
  LoadWorld(world, resources);
  EXPECT_EQ(world.currentPlayer, 1);
  EXPECT_EQ(world.currentRoom, 4);  // "4" + CR read as an integer
  EXPECT_EQ(world.CurrentGender(), u"muž");
  EXPECT_EQ(world.messages["severano_muz"], u"Jdeš na sever.\r");
  EXPECT_EQ(world.itemCount, 3);
  EXPECT_EQ(world.items[2].location, world.InventoryCode());
  EXPECT_EQ(world.locationVariants.count, 1);
  EXPECT_EQ(world.locationVariants.slots[0].description, u"Sklep.");
  EXPECT_EQ(world.examineRules.slots[0].text, u"Lampa.");
  EXPECT_EQ(world.useRules.slots[0].effects, u"sc=1");
  EXPECT_EQ(world.inventoryEvents.slots[0].text, u"Neseš klíč.");
  EXPECT_EQ(world.events.slots[0].effects, u"cnt=1/on");
  EXPECT_EQ(world.takeRules.slots[0].blocking, u"1");
  EXPECT_EQ(world.dropRules.slots[0].text, u"Cink.");
  EXPECT_EQ(world.legendText, u"x//y");
  EXPECT_EQ(world.dictionaryText, u"a/b/");
  EXPECT_EQ(world.introLines, (std::vector<Text>{u"I1\r", u"I2\r", u""}));
  EXPECT_EQ(world.outroLines, (std::vector<Text>{u"O\r", u""}));
  EXPECT_EQ(world.helpLines, (std::vector<Text>{u"h1", u"h2"}));
  EXPECT_EQ(world.dialogues.count, 1);
  EXPECT_EQ(world.dialogues.slots[0].reply, u"Tudy.");
}

TEST_F(LoadWorldTest, ReloadSetsAgainWhatTheFilesNameAndKeepsTheRest) {
  World world;
  LoadWorld(world, resources);
  // A game in progress.
  world.score = 12;
  world.commandCount = 30;
  world.pendingFlow = FlowRequest::Outro;
  world.conditionResult = u"true";
  world.currentExits = {1, 2, 3, 4, 5, 6};
  world.currentRoom = 9;
  world.players[1].room = u"9";
  world.compassSetting = u"0";
  world.counters[5] = {u"on", 7};
  world.items[1].location = 1000;
  world.items[500] = {3, u"mimo", u"mimo", u"movable"};
  world.examineRules.slots[4].noun = u"beyond the count";
  world.messages["poloz_ne_muz"] = u"not in the file";

  LoadWorld(world, resources);
  EXPECT_EQ(world.score, 12);
  EXPECT_EQ(world.commandCount, 30);
  EXPECT_EQ(world.pendingFlow, FlowRequest::Outro);
  EXPECT_EQ(world.conditionResult, u"true");
  EXPECT_EQ(world.currentExits[5], 6);
  EXPECT_EQ(world.currentRoom, 4);
  EXPECT_EQ(world.players[1].room, u"4\r");
  EXPECT_EQ(world.compassSetting, u"1");
  EXPECT_EQ(world.counters[5].state, u"");
  EXPECT_EQ(world.counters[5].value, 0);
  EXPECT_EQ(world.items[1].location, 4);
  EXPECT_EQ(world.items[500].location, 3);
  EXPECT_EQ(world.examineRules.slots[4].noun, u"beyond the count");
  EXPECT_EQ(world.messages["poloz_ne_muz"], u"not in the file");
  EXPECT_EQ(world.introLines.size(), 3u);  // replaced, not appended
}

TEST_F(LoadWorldTest, StopCheckIsAskedOnlyForLocationsRulesEventsAndTexts) {
  World world;
  int asked = 0;
  LoadWorld(world, resources, [&] {
    ++asked;
    return false;
  });
  EXPECT_EQ(asked, kInterruptibleSteps);
  EXPECT_EQ(world.dictionaryText, u"a/b/");
}

TEST_F(LoadWorldTest, HoldingEscapeLeavesTheInterruptibleTablesUnfilled) {
  World world;
  world.takeRules.slots[0].noun = u"old";
  LoadWorld(world, resources, [] { return true; });
  // Counts come from the whole file, the slots keep what they held.
  EXPECT_EQ(world.locationVariants.count, 1);
  EXPECT_EQ(world.locationVariants.slots[0].description, u"");
  EXPECT_EQ(world.examineRules.count, 1);
  EXPECT_EQ(world.examineRules.slots[0].noun, u"");
  EXPECT_EQ(world.events.slots[0].conditions, u"");
  EXPECT_EQ(world.takeRules.slots[0].noun, u"old");
  EXPECT_EQ(world.legendText, u"");
  EXPECT_EQ(world.dictionaryText, u"");
  // The files read without the check are complete.
  EXPECT_EQ(world.currentRoom, 4);
  EXPECT_EQ(world.items[1].name, u"lampu");
  EXPECT_EQ(world.introLines.size(), 3u);
  EXPECT_EQ(world.dialogues.slots[0].noun, u"kuchaře");
}

TEST_F(LoadWorldTest, CurrentPlayerWithoutRoomOrOutsideTheTable) {
  UseDataFile(kInitFile, "hrac=250\r\npl=1/4\r\n");
  World world;
  LoadWorld(world, resources);
  EXPECT_EQ(world.currentPlayer, 250);
  EXPECT_EQ(world.currentRoom, 0);
  EXPECT_EQ(world.CurrentGender(), u"");
}

// The game's check: Escape held stops every interruptible file; a close
// request stops only the file being read, because the look takes it.
// The data compiled into the program loads into a playable world.
TEST(EmbeddedData, LoadsIntoAPlayableWorld) {
  World world;
  LoadWorld(world, EmbeddedResources());
  EXPECT_GT(world.currentRoom, 0);
  EXPECT_TRUE(world.CurrentGender() == u"muž" ||
              world.CurrentGender() == u"žena");
  EXPECT_GT(world.itemCount, 0);
  EXPECT_GT(world.locationVariants.count, 0);
  EXPECT_FALSE(world
                   .messages[std::string("prikaz_neznamy_") +
                             (world.CurrentGender() == u"muž" ? "muz" : "zena")]
                   .empty());
}

}  // namespace
}  // namespace zarvel
