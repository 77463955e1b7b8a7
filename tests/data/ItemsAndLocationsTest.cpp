// The items file (rows by id) and the locations file (six-line records).
#include <vector>

#include "data/World.h"
#include "support/DataFixtures.h"

namespace zarvel {
namespace {

TEST(Items, FillsTheSlotOfEachIdAndCountsLines) {
  World world;
  world.items[50] = {7, u"old", u"old", u"static"};
  ReadItems(world,
            Lines({"0;0;null;null;null\r", "3;1000; lampu ;lampu\t;movable\r",
                   "2;5;stůl;stůl;static;extra\r", "3;4;lampa;lampu;movable\r",
                   "7; 12 ;dva slova;dvě slova;movable"}));
  EXPECT_EQ(world.itemCount, 5);
  EXPECT_EQ(world.items[0].name, u"null");
  const ItemRecord& lamp = world.items[3];  // the later row wins
  EXPECT_EQ(lamp.location, 4);
  EXPECT_EQ(lamp.name, u"lampa");
  EXPECT_EQ(world.items[2].mobility, u"static");  // sixth field ignored
  EXPECT_EQ(world.items[7].location, 12);
  EXPECT_EQ(world.items[7].takenName, u"dvě slova");
  EXPECT_EQ(world.items[50].name, u"old");  // not in the file: kept
  EXPECT_EQ(world.items[50].location, 7);
}

TEST(Items, ShortAndOutOfRangeRowsNeverReachPastTheirFields) {
  World world;
  ReadItems(world,
            Lines({"1000;1;past;past;movable", "-1;1;neg;neg;movable",
                   "999;2;last;last;movable", "4;2;jen jméno", "5", ""}));
  EXPECT_EQ(world.itemCount, 6);
  EXPECT_EQ(world.items[999].name, u"last");
  EXPECT_EQ(world.items[4].name, u"jen jméno");
  EXPECT_EQ(world.items[4].takenName, u"");
  EXPECT_EQ(world.items[4].mobility, u"");
  EXPECT_EQ(world.items[5].location, 0);
  EXPECT_EQ(world.Item(1000), nullptr);
  EXPECT_EQ(world.Item(-1), nullptr);
  // More lines than slots: scans up to itemCount stay inside the table.
  ReadItems(world, std::vector<Text>(1500, u"1;1;a;a;a"));
  EXPECT_EQ(world.itemCount, kItemCapacity - 1);
}

TEST(Locations, TakesSixLineRecordsByPosition) {
  World world;
  ReadLocations(
      world,
      Lines({"<lokace 7 kuchyň>\r", "7\r", " pr=14/2000 \r", "sc=5\r",
             " 2, 0,0,0,0,0\r", " Malá kuchyně./ /Lampa. \r", "<lokace 8>\r",
             "8\r", "\r", "\r", "0,0,0,7,0,0\r", "Chodba.\r", ""}));
  ASSERT_EQ(world.locationVariants.count, 2);  // the final empty line is over
  const LocationVariant& kitchen = world.locationVariants.slots[0];
  EXPECT_EQ(kitchen.room, u"7\r");  // raw
  EXPECT_EQ(kitchen.conditions, u"pr=14/2000");
  EXPECT_EQ(kitchen.effects, u"sc=5");
  EXPECT_EQ(kitchen.exits, u"2, 0,0,0,0,0");
  EXPECT_EQ(kitchen.description, u"Malá kuchyně./ /Lampa.");
  EXPECT_EQ(world.locationVariants.slots[1].conditions, u"");
  EXPECT_EQ(world.locationVariants.slots[1].description, u"Chodba.");
}

TEST(Locations, AMissingLineShiftsEveryLaterRecord) {
  World world;
  // The first record lacks its effects line.
  ReadLocations(world,
                Lines({"<lokace 1>", "1", "", "0,2,0,0,0,0", "Sklep.",
                       "<lokace 2>", "2", "", "", "1,0,0,0,0,0", "Dvůr.", ""}));
  ASSERT_EQ(world.locationVariants.count, 2);
  EXPECT_EQ(world.locationVariants.slots[0].exits, u"Sklep.");
  EXPECT_EQ(world.locationVariants.slots[0].description, u"<lokace 2>");
  EXPECT_EQ(world.locationVariants.slots[1].room, u"");  // header skipped
  EXPECT_EQ(world.locationVariants.slots[1].effects, u"1,0,0,0,0,0");
  EXPECT_EQ(world.locationVariants.slots[1].exits, u"Dvůr.");
}

TEST(Locations, IgnoresRecordsBeyondTheCapacity) {
  World world;
  std::vector<Text> lines;
  for (int r = 0; r < kLocationVariantCapacity + 3; ++r) {
    for (const Text& line : {Text(u"<>"), FormatInt(r), Text(), Text(),
                             Text(u"0,0,0,0,0,0"), Text(u"d")}) {
      lines.push_back(line);
    }
  }
  ReadLocations(world, lines);
  EXPECT_EQ(world.locationVariants.count, kLocationVariantCapacity);
  EXPECT_EQ(world.locationVariants.slots.back().room, u"999");
}

}  // namespace
}  // namespace zarvel
