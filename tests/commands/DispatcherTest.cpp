// The dispatcher: verb and noun, framing of the replies, the command
// counter, movement, the inventory and the system commands.

#include <gtest/gtest.h>

#include "commands/Commands.h"
#include "rules/Rules.h"
#include "support/GameFixture.h"

namespace zarvel::testing {
namespace {

class DispatcherTest : public GameFixture {
 protected:
  DispatcherTest() {
    world.compassSetting = u"0";
    Variant(u"1", u"", u"", u"2,0,0,0,0,0", u"Předsíň.");
    Variant(u"2", u"", u"", u"0,1,0,0,0,0", u"Kuchyň.");
  }
  void Enter() {
    EnterLocation(game, true);
    Printed();
  }
};

TEST_F(DispatcherTest, UnrecognisedLineGetsTheGenderedReplyAndIsNotCounted) {
  DispatchCommand(game, u"xyz");
  EXPECT_EQ(Printed(), TextLines({u"", u"prikaz_neznamy_muz", u""}));
  Gender(u"žena");
  DispatchCommand(game, u"Sever");  // commands are case-sensitive
  EXPECT_EQ(Printed(), TextLines({u"", u"prikaz_neznamy_zena", u""}));
  Gender(u"dítě");  // a gender the replies do not know silences them
  DispatchCommand(game, u"xyz");
  EXPECT_EQ(Printed(), TextLines({u"", u""}));
  EXPECT_EQ(world.commandCount, 0);
}

TEST_F(DispatcherTest, VerbIsCutFromTheLineNotFromItsFirstWord) {
  Enter();
  for (const char16_t* line : {u"s x", u"sx", u"rr", u"i x", u"debug "}) {
    DispatchCommand(game, line);
    EXPECT_EQ(Printed(), TextLines({u"", u"prikaz_neznamy_muz", u""}))
        << TextToUtf8(line);
  }
  EXPECT_EQ(world.currentRoom, 1);
  EXPECT_EQ(world.commandCount, 0);
}

struct MoveCase {
  const char16_t* line;
  int direction;
  const char16_t* success;
  const char16_t* blocked;
};

class MovementTest : public DispatcherTest,
                     public ::testing::WithParamInterface<MoveCase> {};

TEST_P(MovementTest, MovesThroughAnOpenExitAndDescribesTheRoom) {
  const MoveCase& c = GetParam();
  world.currentExits = {};
  world.currentExits[c.direction] = 2;
  DispatchCommand(game, c.line);
  EXPECT_EQ(Printed(), TextLines({u"", c.success, u"", u"Kuchyň.", u""}));
  EXPECT_EQ(world.currentRoom, 2);
  EXPECT_EQ(world.currentExits, (std::array<int, 6>{0, 1, 0, 0, 0, 0}));
  EXPECT_EQ(world.commandCount, 1);
}

TEST_P(MovementTest, BlockedWayLeavesTheRoomButCountsTheCommand) {
  const MoveCase& c = GetParam();
  world.currentExits = {1, 1, 1, 1, 1, 1};
  world.currentExits[c.direction] = 0;
  world.counters[1].state = u"on";
  DispatchCommand(game, c.line);
  EXPECT_EQ(Printed(), TextLines({u"", c.blocked, u""}));
  EXPECT_EQ(world.currentRoom, 1);
  EXPECT_EQ(world.counters[1].value, 0);  // no description, no clock
  EXPECT_EQ(world.commandCount, 1);
}

INSTANTIATE_TEST_SUITE_P(
    Directions, MovementTest,
    ::testing::Values(
        MoveCase{u"s", kNorth, u"severano_muz", u"severne_muz"},
        MoveCase{u"sev", kNorth, u"severano_muz", u"severne_muz"},
        MoveCase{u"sever", kNorth, u"severano_muz", u"severne_muz"},
        MoveCase{u"j", kSouth, u"jihano_muz", u"jihne_muz"},
        MoveCase{u"jih", kSouth, u"jihano_muz", u"jihne_muz"},
        MoveCase{u"v", kEast, u"vychodano_muz", u"vychodne_muz"},
        MoveCase{u"východ", kEast, u"vychodano_muz", u"vychodne_muz"},
        MoveCase{u"z", kWest, u"zapadano_muz", u"zapadne_muz"},
        MoveCase{u"západ", kWest, u"zapadano_muz", u"zapadne_muz"},
        MoveCase{u"n", kUp, u"nahoruano_muz", u"nahorune_muz"},
        MoveCase{u"nahoru", kUp, u"nahoruano_muz", u"nahorune_muz"},
        MoveCase{u"d", kDown, u"doluano_muz", u"dolune_muz"},
        MoveCase{u"dolů", kDown, u"doluano_muz", u"dolune_muz"}));

TEST_F(DispatcherTest, LookDescribesTheRoomAndAdvancesTheClock) {
  world.counters[1].state = u"on";
  for (const char16_t* line : {u"r", u"sit", u"situace", u"popis"}) {
    DispatchCommand(game, line);
    EXPECT_EQ(Printed(), TextLines({u"", u"Předsíň.", u""}))
        << TextToUtf8(line);
  }
  EXPECT_EQ(world.counters[1].value, 4);
  EXPECT_EQ(world.commandCount, 4);
}

struct InventoryCase {
  std::vector<const char16_t*> names;
  const char16_t* sentence;
};

class InventoryTest : public DispatcherTest,
                      public ::testing::WithParamInterface<InventoryCase> {};

TEST_P(InventoryTest, ListsCarriedItemsInIndexOrder) {
  Item(7, 1001, u"cizí");  // player 2's
  Item(8, 1, u"na zemi");
  int id = 1;
  for (const char16_t* name : GetParam().names) Item(id++, 1000, name);
  DispatchCommand(game, u"inventář");
  EXPECT_EQ(Printed(), TextLines({u"", GetParam().sentence, u""}));
}

INSTANTIATE_TEST_SUITE_P(
    Sentences, InventoryTest,
    ::testing::Values(
        InventoryCase{{}, u"Nic u sebe nemáš."},
        InventoryCase{{u"klíč"}, u"Neseš klíč."},
        InventoryCase{{u"klíč", u"lampu"}, u"Neseš klíč a lampu."},
        InventoryCase{{u"klíč", u"lampu", u"nůž"}, u"Neseš klíč, lampu a nůž."},
        // The space after the replaced comma stays.
        InventoryCase{{u"a,b"}, u"Neseš a ab."}));

TEST_F(DispatcherTest, InventoryIsFollowedByItsEventsWithoutMovingTheClock) {
  Item(4, 1000, u"plášť");
  world.counters[1].state = u"on";
  AddEvent(world.inventoryEvents, u"pr=4/1000", u"", u"Plášť tě hřeje.");
  DispatchCommand(game, u"i");
  EXPECT_EQ(Printed(),
            TextLines({u"", u"Neseš plášť.", u"", u"Plášť tě hřeje.", u""}));
  EXPECT_EQ(world.counters[1].value, 0);
  // Item 0 counts as carried in the inventory scan, unlike the room's list.
  world.items[0] = {1000, u"nula", u"", u""};
  DispatchCommand(game, u"inv");
  EXPECT_EQ(Printed()[1], u"Neseš nula a plášť.");
}

TEST_F(DispatcherTest, InventoryNeverScansPastTheTable) {
  world.itemCount = 100000;
  world.items[999] = {1000, u"poslední", u"", u""};
  DispatchCommand(game, u"i");
  EXPECT_EQ(Printed()[1], u"Neseš poslední.");
}

TEST_F(DispatcherTest, TheNounIsEverythingAfterTheFirstSpace) {
  Item(3, 1, u"svazek klíčů");
  Item(4, 1, u" mezera");
  DispatchCommand(game, u"seber svazek klíčů");
  EXPECT_EQ(world.items[3].location, 1000);
  DispatchCommand(game, u"vez  mezera");  // the second space starts the noun
  EXPECT_EQ(world.items[4].location, 1000);
  Printed();
  DispatchCommand(game, u"seber");  // empty noun: the short-noun reply
  EXPECT_EQ(Printed(),
            TextLines({u"", u"No tak tohle tu opravdu není, promiň.", u""}));
  EXPECT_EQ(world.commandCount, 3);
}

TEST_F(DispatcherTest, DebugAndKeyboardSwitchesReplyByTheirState) {
  const std::vector<std::pair<const char16_t*, const char16_t*>> steps = {
      {u"debug", u"Debug is online"},
      {u"debug", u"Debug is offline"},
      {u"qwerty", u"Přehodil jsem klávesnici na QWERTY."},
      {u"qwerty", u"Klávesnice je nastavená na QWERTY, tak tu nešil."},
      {u"qwertz",
       u"Přehodil jsem klávesnici na QWERTY, to jako je klasicky česky."},
      {u"qwertz",
       u"Hele, ypsilon a zet už píšeš drahnou dobu normálně, takže klídek, "
       u"jo?"},
  };
  for (const auto& [line, reply] : steps) {
    DispatchCommand(game, line);
    EXPECT_EQ(Printed(), TextLines({u"", reply, u""})) << TextToUtf8(line);
  }
  EXPECT_FALSE(game.debugMode);
  EXPECT_FALSE(game.console.qwertySwap);
  EXPECT_EQ(world.commandCount, 6);
}

TEST_F(DispatcherTest, QuitAsksAndIgnoresOtherKeys) {
  Keys({"xyN"});
  DispatchCommand(game, u"quit");
  EXPECT_EQ(Printed(), TextLines({u"", u"Chceš ukončit hru (Ano - Ne)?", u"",
                                  u"Ok, tak hraj dál.", u""}));
  Keys({"q", "a"});
  EXPECT_THROW(DispatchCommand(game, u"qui"), ProgramEnded);
  EXPECT_EQ(Printed(), TextLines({u"", u"Chceš ukončit hru (Ano - Ne)?", u""}));
}

TEST_F(DispatcherTest, ScreenModeSwitchesReopenTheScreenOnlyWhenNeeded) {
  platform.OpenScreen(800, 600, 0, 60);
  const FontHandle font =
      platform.LoadFontResource("incbin::font/Ubuntu-C.ttf", 20, true);
  game.display.font = font;
  DispatchCommand(game, u"window");
  EXPECT_EQ(Printed()[1],
            u"Vem si tabletku na nervy, hra běží už dávno v okně.");
  EXPECT_EQ(platform.screensOpened(), 1);

  DispatchCommand(game, u"fullscreen");
  EXPECT_EQ(Printed()[1],
            u"Herní obrazovka byla přepnuta do celé obrazovky, zpět do okna "
            u"se vrátíš příkazem window.");
  EXPECT_EQ(platform.screensOpened(), 2);
  EXPECT_EQ(platform.screenDepth(), 32);
  EXPECT_TRUE(game.display.fullscreen);
  EXPECT_EQ(platform.renderer().blend(), BlendMode::Alpha);
  EXPECT_EQ(platform.renderer().font(), platform.font(font));

  DispatchCommand(game, u"fullscreen");
  EXPECT_EQ(Printed()[1],
            u"Hra už běží ve fullscreenu, tak nevím proč bych ho měl otevírat "
            u"znovu?");
  DispatchCommand(game, u"window");
  EXPECT_EQ(Printed()[1],
            u"Obrazovka byla přepnuta do okna, vrátit se lze zpět příkazem "
            u"fullscreen.");
  EXPECT_EQ(platform.screensOpened(), 3);
  EXPECT_EQ(platform.screenDepth(), 0);
  EXPECT_FALSE(game.display.fullscreen);
  EXPECT_EQ(platform.renderer().blend(), BlendMode::Alpha);
}

TEST_F(DispatcherTest, MusicCommandsPauseAndResumeTheMusicChannel) {
  const SoundHandle track =
      platform.LoadSound("incbin::msx/brighter_sides.ogg", true);
  game.music.channel = platform.Play(track);
  ASSERT_NE(game.music.channel, 0);
  const auto paused = [&] {
    return platform.channel(game.music.channel)->paused;
  };
  DispatchCommand(game, u"hudba");
  EXPECT_EQ(Printed()[1],
            u"Hudba vříská, že uši záléhaj, ale tady hráč si chce hudbu pustit "
            u"znovu, nechtěl bys ještě si tu muziku nějak přepínat? Sem snad "
            u"nějaký iTunes?");
  DispatchCommand(game, u"ticho");
  EXPECT_EQ(Printed()[1], u"Hudba vypnuta...");
  EXPECT_TRUE(paused());
  EXPECT_FALSE(game.music.on);
  DispatchCommand(game, u"ticho");
  EXPECT_EQ(Printed()[1],
            u"Cywe ty si jeblej ne? Nic už nehraje, tak asi nic nevypnu, ne?");
  DispatchCommand(game, u"hudba");
  EXPECT_EQ(Printed()[1], u"Hudba zapnuta...");
  EXPECT_FALSE(paused());
  EXPECT_TRUE(game.music.on);
}

TEST_F(DispatcherTest, LegendDictionaryAndHelpPrintTheirTexts) {
  world.legendText = u"Legenda/druhý řádek";
  world.dictionaryText = u"Slovník";
  world.helpLines = {u"sever/jih", u"seber"};
  DispatchCommand(game, u"legenda");
  EXPECT_EQ(Printed(), TextLines({u"", u"Legenda", u"druhý řádek", u""}));
  DispatchCommand(game, u"příkazy");
  EXPECT_EQ(Printed(), TextLines({u"", u"Slovník", u""}));
  DispatchCommand(game, u"slo");
  EXPECT_EQ(Printed(), TextLines({u"", u"Slovník", u""}));
  DispatchCommand(game, u"help");
  EXPECT_EQ(Printed(), TextLines({u"", u"sever", u"jih", u"seber", u""}));
  DispatchCommand(game, u"pomoc");
  EXPECT_EQ(Printed().size(), 5u);
}

TEST_F(DispatcherTest, RestartReloadsTheWorldButKeepsScoreAndCount) {
  UseTinyWorld(platform.Resources());
  LoadWorld(game);
  world.score = 7;
  world.commandCount = 3;
  world.items[1].location = 1000;
  world.currentRoom = 2;
  world.counters[1] = {u"on", 2};
  Keys({"N"});
  DispatchCommand(game, u"konec");
  EXPECT_EQ(Printed(), TextLines({u"", u"Chceš restartovat hru (Ano - Ne)?",
                                  u"", u"Ok, tak hraj dál.", u""}));
  EXPECT_EQ(world.currentRoom, 2);

  Keys({"?a"});
  DispatchCommand(game, u"kon");
  EXPECT_EQ(
      Printed(),
      TextLines({u"", u"Chceš restartovat hru (Ano - Ne)?", u"",
                 u"Tmavá předsíň.", u" ", u"Na sever je kuchyně.", u"",
                 u"Vidíš klíč a lampu.", u"", u"Můžeš jít na sever.", u""}));
  EXPECT_EQ(world.currentRoom, 1);
  EXPECT_EQ(world.items[1].location, 1);
  EXPECT_EQ(world.counters[1].state, u"");
  EXPECT_EQ(world.score, 7);
  EXPECT_EQ(world.commandCount, 5);
}

}  // namespace
}  // namespace zarvel::testing
