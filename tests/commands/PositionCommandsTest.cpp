// The save and load commands: what the dispatcher prints around the menus.
#include <gtest/gtest.h>

#include <filesystem>

#include "commands/Commands.h"
#include "support/PositionsFixture.h"

namespace zarvel::testing {
namespace {

class SaveTest : public SaveFixture {};
class LoadTest : public LoadFixture {};

TEST_F(SaveTest, DispatcherPrintsTheSuccessLineOnlyAfterAWrite) {
  Keys({"{esc}{noenter}"});
  DispatchCommand(game, u"save");
  std::vector<Text> printed = Printed();
  EXPECT_EQ(printed[printed.size() - 2], u"Ukládání přerušeno...");
  EXPECT_EQ(printed.back(), u"");
  Keys({"č", "Pokus"});
  DispatchCommand(game, u"ulož");
  printed = Printed();
  EXPECT_EQ(
      std::vector<Text>(printed.end() - 3, printed.end()),
      TextLines({u"Vlož jméno pozice:", u"Pozice byla úspěšně uložena…", u""}));
  // The file holds the count from before this command was counted.
  EXPECT_NE(FileBytes("pozice_04.sav").find("prikaz=43\r"), std::string::npos);
  EXPECT_EQ(world.commandCount, 44);
}

TEST_F(SaveTest, AFailedWriteIsReportedAndNotCountedAsSaved) {
  // A directory where the slot file should be cannot be written by anyone.
  std::filesystem::create_directory(Path("pozice_03.sav"));
  Keys({"3", "Pokus"});
  ::testing::internal::CaptureStderr();
  DispatchCommand(game, u"save");
  const std::string told = ::testing::internal::GetCapturedStderr();
  const std::vector<Text> printed = Printed();
  EXPECT_EQ(printed[5], u"3. < volná pozice > ");
  EXPECT_EQ(
      std::vector<Text>(printed.end() - 3, printed.end()),
      TextLines({u"Vlož jméno pozice:",
                 u"Pozici se nepodařilo uložit, disk asi stávkuje.", u""}));
  // Standard error names the file and the folder it was meant for.
  EXPECT_EQ(told, "zarvel: cannot write pozice_03.sav in the folder " +
                      std::filesystem::path(Path("x")).parent_path().string() +
                      " (a folder has its name)\n");
}

TEST_F(LoadTest, RestoresAPositionOverAFreshWorldAndEntersQuietly) {
  world.items[4].location = 1000;  // the knife is carried before the load
  WriteBytes("pozice_01.sav",
             "Kuchyň\rpr=1/1000\rscore=15\rlokace=2\rprikaz=42\r"
             "cnt=1/2\rcnt_st=1/on\rpl=1/2\r");
  Keys({"1"});
  DispatchCommand(game, u"načti");
  EXPECT_EQ(Printed().back(), u"");
  EXPECT_EQ(world.items[1].location, 1000);
  EXPECT_EQ(world.items[4].location, 0);  // not in the file: from the data
  EXPECT_EQ(world.currentRoom, 2);
  EXPECT_EQ(world.players[1].room, u"2");
  EXPECT_EQ(world.currentExits, (std::array<int, 6>{0, 1, 0, 0, 0, 0}));
  EXPECT_EQ(world.counters[1].value, 2);  // a quiet entry moves no clock
  EXPECT_EQ(world.score, 15);
  EXPECT_EQ(world.commandCount, 43);  // the load itself is counted
  EXPECT_EQ(game.savedPlayerRooms[1], 2);
}

}  // namespace
}  // namespace zarvel::testing
