// The initialization file: exact keys at the line start, raw versus
// trimmed versus integer values, players, and the stock replies.
#include <vector>

#include "data/World.h"
#include "support/DataFixtures.h"

namespace zarvel {
namespace {

TEST(Initialization, ReadsSettingsPlayersAndMessages) {
  World world;
  ReadInitialization(
      world, Lines({"kompas= 1 \r", "batoh=100\r", "oldskul=true\r", "hrac=2\r",
                    "pl=2/5\r", "plm=2/ žena\r", "pl=1/7", "plm=1/muž",
                    "severne_zena=Tudy ne.\r", "severne_muz=Tudy ne, pane.",
                    "seber_ano_muz= Vzal sis\r", "prozkoumej_ano_muz=Hm.\r",
                    "pouzij_ano_zena=Ano.\r", "scoremax=100\r"}));
  EXPECT_EQ(world.compassSetting, u"1");      // trimmed
  EXPECT_EQ(world.inventoryLimit, u"100\r");  // raw, read later as 100
  EXPECT_EQ(ParseIntLenient(world.inventoryLimit), 100);
  EXPECT_EQ(world.oldSchool, u"true");
  EXPECT_EQ(world.currentPlayer, 2);
  EXPECT_EQ(world.players[2].room, u"5\r");  // raw room keeps the CR
  EXPECT_EQ(world.players[2].gender, u"žena");
  EXPECT_EQ(world.players[1].room, u"7");
  EXPECT_EQ(world.players[1].gender, u"muž");
  EXPECT_EQ(world.CurrentGender(), u"žena");
  EXPECT_EQ(world.messages["severne_zena"], u"Tudy ne.\r");
  EXPECT_EQ(world.messages["severne_muz"], u"Tudy ne, pane.");
  EXPECT_EQ(world.messages["seber_ano_muz"], u" Vzal sis\r");
  EXPECT_EQ(world.messages["prozkoumej_ano_muz"], u"Hm.\r");
  EXPECT_EQ(world.messages["pouzij_ano_zena"], u"Ano.\r");
  EXPECT_EQ(world.messages.count("scoremax"), 0u);  // no effect
}

TEST(Initialization, KnowsAllFortyEightMessageKeys) {
  const char* situations[] = {
      "prikaz_neznamy", "severano",      "severne",        "jihano",
      "jihne",          "vychodano",     "vychodne",       "zapadano",
      "zapadne",        "nahoruano",     "nahorune",       "doluano",
      "dolune",         "prozkoumej_ne", "pouzij_ne",      "seber_ano",
      "seber_ne",       "seber_static",  "plny_inventar",  "predmet_usebe",
      "poloz_ano",      "poloz_ne",      "prozkoumej_ano", "pouzij_ano"};
  std::vector<Text> lines;
  for (const char* s : situations) {
    lines.push_back(AsciiToText(s) + u"_zena=" + AsciiToText(s) + u" Ž");
    lines.push_back(AsciiToText(s) + u"_muz=" + AsciiToText(s) + u" M");
  }
  World world;
  ReadInitialization(world, lines);
  ASSERT_EQ(world.messages.size(), 48u);
  for (const char* s : situations) {
    EXPECT_EQ(world.messages[std::string(s) + "_zena"], AsciiToText(s) + u" Ž");
    EXPECT_EQ(world.messages[std::string(s) + "_muz"], AsciiToText(s) + u" M");
  }
}

TEST(Initialization, IgnoresInexactKeysAndLetTheLaterLineWin) {
  World world;
  world.messages["poloz_ne_muz"] = u"kept";
  world.compassSetting = u"kept";
  ReadInitialization(
      world, Lines({"plny_inventar_muz=first\r", "plny_inventar_muz=second\r",
                    " kompas=0", "Kompas=0", "kompas =0", "kompas", "hrac=x7",
                    "delka_rezani=5", "inventory=1", "object=2", "xkompas=0"}));
  EXPECT_EQ(world.messages["plny_inventar_muz"], u"second\r");
  EXPECT_EQ(world.messages["poloz_ne_muz"], u"kept");  // not named: kept
  EXPECT_EQ(world.compassSetting, u"kept");
  EXPECT_EQ(world.currentPlayer, 0);  // "x7" reads 0
  EXPECT_EQ(world.messages.size(), 2u);
}

TEST(Initialization, PlayerLinesWithoutSlashOrOutOfRangeNumbers) {
  World world;
  ReadInitialization(world,
                     Lines({"pl=12\r", "plm= žena ", "pl=100/3", "pl=-1/4",
                            "plm=99/muž", "pl=$A/6", "pl=3/1/1\r"}));
  EXPECT_EQ(world.players[0].room, u"12\r");  // no "/": player 0, whole value
  EXPECT_EQ(world.players[0].gender, u"žena");
  EXPECT_EQ(world.players[99].gender, u"muž");
  EXPECT_EQ(world.players[10].room, u"6");     // numbers read leniently
  EXPECT_EQ(world.players[3].room, u"1/1\r");  // split at the first "/"
  for (int p : {1, 4}) EXPECT_EQ(world.players[p].room, u"") << p;
  EXPECT_EQ(world.Player(100), nullptr);
  EXPECT_EQ(world.Player(-1), nullptr);
  world.currentPlayer = 100;
  EXPECT_EQ(world.CurrentGender(), u"");
}

}  // namespace
}  // namespace zarvel
