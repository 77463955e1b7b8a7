// The save and load menus with real files in a scratch directory.

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "rules/Rules.h"
#include "save/Positions.h"
#include "support/PositionsFixture.h"

namespace zarvel::testing {
namespace {

class SaveTest : public SaveFixture {};

TEST_F(SaveTest, SavesANamedPositionAsOneBytePerCharacter) {
  Keys({"1", "Sklep á"});
  EXPECT_TRUE(SavePosition(game));
  std::vector<Text> expected = FreeMenu();
  expected.push_back(u"Vlož jméno pozice:");
  EXPECT_EQ(Printed(), expected);
  EXPECT_EQ(FileBytes("pozice_01.sav"),
            "Sklep \xE1\rpr=0/0\rpr=1/4\rpr=2/1000\rscore=15\rlokace=7\r"
            "prikaz=42\rcnt=2/5\rcnt_st=2/on\rpl=1/7\r");
  EXPECT_EQ(game.savedPlayerRooms[1], 7);
}

TEST_F(SaveTest, ANameAboveLatinOneMakesTheFileUtf16) {
  world.itemCount = 0;
  world.counters[2] = {};
  Keys({"ř", "Sklep ř"});  // "ř" is the key of slot 5
  EXPECT_TRUE(SavePosition(game));
  const Text text = u"Sklep ř\rpr=0/0\rscore=15\rlokace=7\rprikaz=42\rpl=1/7\r";
  std::string bytes = "\xFF\xFE";
  for (char16_t unit : text) {
    bytes.push_back(static_cast<char>(unit & 0xFF));
    bytes.push_back(static_cast<char>(unit >> 8));
  }
  EXPECT_EQ(FileBytes("pozice_05.sav"), bytes);
}

TEST_F(SaveTest, SlotKeysAreExactAndEscapeCancels) {
  Keys({"Č0x", "{esc}{noenter}"});  // nothing chooses before Escape
  EXPECT_FALSE(SavePosition(game));
  EXPECT_EQ(Printed().back(), u"Ukládání přerušeno...");
  for (int n = 1; n <= 9; ++n) EXPECT_FALSE(Exists(SlotFileName(n)));
}

TEST_F(SaveTest, SavingOverANamedSlotStartsFromItsName) {
  WriteBytes("pozice_02.sav", "Star\xE1\rscore=1\r");  // Latin-1
  WriteBytes("pozice_03.sav", "\rscore=1\r");          // present but nameless
  Keys({"2", "{bs}{bs}{bs}X"});
  EXPECT_TRUE(SavePosition(game));
  const std::vector<Text> printed = Printed();
  EXPECT_EQ(printed[3], u"2. Stará");
  EXPECT_EQ(printed[4], u"3. < volná pozice > ");
  EXPECT_EQ(FileBytes("pozice_02.sav").substr(0, 4), "StX\r");
}

TEST_F(SaveTest, EmptyNamesAreAllowedAndTypedNamesStopAtFifty) {
  Keys({"6", ""});
  EXPECT_TRUE(SavePosition(game));
  EXPECT_EQ(FileBytes("pozice_06.sav").substr(0, 7), "\rpr=0/0");
  Keys({"7", std::string(60, 'x') + "{esc}"});  // Escape is just a char
  EXPECT_TRUE(SavePosition(game));
  EXPECT_EQ(FileBytes("pozice_07.sav").substr(0, 51),
            std::string(50, 'x') + "\r");
}

TEST_F(SaveTest, ALongPrefilledNameStaysWholeUntilShortened) {
  WriteBytes("pozice_01.sav", std::string(55, 'y') + "\r");
  Keys({"1", "ab{bs}{bs}{bs}{bs}{bs}{bs}c"});
  EXPECT_TRUE(SavePosition(game));
  EXPECT_EQ(FileBytes("pozice_01.sav").substr(0, 51),
            std::string(49, 'y') + "c\r");
}

TEST_F(SaveTest, NameEntryPresentsOneFramePerPassAndEchoesNothing) {
  Keys({"a{bs}bc"});
  const int flipsBefore = platform.flipCount();
  EXPECT_EQ(EnterPositionName(game, u"x"), u"xbc");
  EXPECT_EQ(platform.flipCount() - flipsBefore, 5);  // a, bs, b, c, Enter
  EXPECT_TRUE(Printed().empty());
}

TEST_F(SaveTest, AReadOnlySlotIsShownFreeAndRefusesTheSave) {
  if (::geteuid() == 0) GTEST_SKIP() << "root may write read-only files";
  WriteBytes("pozice_08.sav", "Zamčená\r");
  ::chmod(Path("pozice_08.sav").c_str(), 0444);
  Keys({"8", "Nová"});
  ::testing::internal::CaptureStderr();
  EXPECT_FALSE(SavePosition(game));
  EXPECT_EQ(::testing::internal::GetCapturedStderr(),
            "zarvel: cannot write pozice_08.sav in the folder " +
                std::filesystem::path(Path("x")).parent_path().string() +
                " (Permission denied)\n");
  const std::vector<Text> printed = Printed();
  EXPECT_EQ(printed[9], u"8. < volná pozice > ");
  EXPECT_EQ(printed.back(), u"Pozici se nepodařilo uložit, disk asi stávkuje.");
  EXPECT_EQ(FileBytes("pozice_08.sav"), "Zamčená\r");
}

class LoadTest : public LoadFixture {};

TEST_F(LoadTest, NoPositionFiles) {
  LoadPosition(game);
  EXPECT_EQ(Printed(), TextLines({u"Nemáš žádnou pozici k načtení..."}));
}

TEST_F(LoadTest, NamedPositionsAreNumberedWithoutGaps) {
  WriteBytes("pozice_02.sav", "Dva\rscore=2\r");
  WriteBytes("pozice_04.sav", "\rscore=4\r");  // nameless: not listed
  WriteBytes("pozice_05.sav", "P\xE9t\rscore=5\r");
  WriteBytes("pozice_09.sav",  // UTF-8 with its mark
             "\xEF\xBB\xBF"
             "Dev\xC4\x9Bt\rscore=9\r");
  Keys({"4956š"});  // keys above 3 are ignored
  LoadPosition(game);
  EXPECT_EQ(Printed(), TextLines({u"Vyber si pozici k načtení...", u"",
                                  u"1. Dva", u"2. Pét", u"3. Devět", u"",
                                  u"Pozice byla úspěšně natažena do paměti."}));
  EXPECT_EQ(world.score, 9);
}

TEST_F(LoadTest, OnlyNamelessPositionsLeaveOnlyEscape) {
  WriteBytes("pozice_01.sav", "\rscore=4\r");
  world.score = 3;
  Keys({"1", "{esc}{noenter}"});
  LoadPosition(game);
  EXPECT_EQ(Printed(), TextLines({u"Vyber si pozici k načtení...", u"", u"",
                                  u"Nahrávání přerušeno..."}));
  EXPECT_EQ(world.score, 3);
}

TEST_F(LoadTest, SaveThenLoadRoundTripsThroughTheFile) {
  world.items[1].location = 1000;
  world.items[5].location = 2000;
  world.currentRoom = 2;
  world.counters[1] = {u"on", 3};
  world.score = 4;
  Keys({"9", "Kolo"});
  ASSERT_TRUE(SavePosition(game));
  world.items[1].location = 1;
  world.currentRoom = 3;
  world.counters[1] = {};
  Keys({"1"});
  LoadPosition(game);
  EXPECT_EQ(world.items[1].location, 1000);
  EXPECT_EQ(world.items[5].location, 2000);
  EXPECT_EQ(world.currentRoom, 2);
  EXPECT_EQ(world.counters[1].value, 3);
  EXPECT_EQ(world.counters[1].state, u"on");
  EXPECT_EQ(world.score, 4);
}

TEST_F(LoadTest, AFileThatVanishedBeforeTheKeyLeavesTheWorldAlone) {
  WriteBytes("pozice_03.sav", "Tři\rscore=3\r");
  world.score = 8;
  bool asked = false;
  platform.SetKeyLineSource([&]() -> std::optional<std::string> {
    if (asked) return std::nullopt;
    asked = true;
    std::filesystem::remove(Path("pozice_03.sav"));
    return "1";
  });
  LoadPosition(game);
  EXPECT_EQ(Printed().back(),
            u"Error Terror! Chyba při načítání pozice, je zjevně něco "
            u"špatně.");
  EXPECT_EQ(world.score, 8);
}

}  // namespace
}  // namespace zarvel::testing
