// Start-up, the frame loop and the flow requests, on the fixture world.
#include <gtest/gtest.h>

#include "console/Console.h"
#include "game/Game.h"
#include "shell/Shell.h"
#include "support/FixtureWorld.h"
#include "support/TestGame.h"

namespace zarvel::testing {
namespace {

using Lines = std::vector<std::u16string>;

// Starts the game once the intro is over, as a player at the menu would.
class StartingObserver : public RecordingObserver {
 public:
  FakePlatform* platform = nullptr;
  void OnIntroCards(bool running) override {
    RecordingObserver::OnIntroCards(running);
    if (!running) platform->batches.push_front(u"S");
  }
};

class ShellFlowTest : public ::testing::Test {
 protected:
  FakePlatform platform;
  StartingObserver observer;
  Game game{platform};
  void SetUp() override {
    UseFixtureWorld(platform.resources, CellarWorldFolder());
    observer.platform = &platform;
    platform.skipKeyWaits = true;
    game.console.observer = &observer;
  }
  void StartGame() {
    StartUp(game);
    observer.lines.clear();
  }
  void TypeAndRun(const std::u16string& keys) {
    platform.Type(keys);
    while (!platform.keys.empty()) RunMainLoopFrame(game);
  }
  bool Printed(const std::u16string& line) const {
    return std::find(observer.lines.begin(), observer.lines.end(), line) !=
           observer.lines.end();
  }
};

TEST_F(ShellFlowTest, WithoutAScreenTheProgramStopsBeforeAnythingElse) {
  platform.screenOpens = false;
  EXPECT_FALSE(Main(game));  // the program tells the player and ends
  EXPECT_TRUE(platform.played.empty());
  EXPECT_TRUE(observer.lines.empty());
  EXPECT_TRUE(game.world.introLines.empty());  // the world is not loaded
}

TEST_F(ShellFlowTest, StartUpDescribesTheStartLocationBetweenEmptyLines) {
  StartUp(game);
  EXPECT_EQ(game.console.layout.lineHeight, 23);
  EXPECT_EQ(game.console.layout.charWidth, 10);
  EXPECT_EQ(game.title.storyText, u"Ve sklepě je tma.\r/A krysy.\r//");
  ASSERT_GE(observer.lines.size(), 3u);
  EXPECT_EQ(observer.lines.front(), u"");
  EXPECT_EQ(observer.lines[1], u"Sklep. Stojí tu stará *skříň.");
  EXPECT_EQ(observer.lines.back(), u"");
  // Intro track first, then the game track after the fade.
  EXPECT_EQ(platform.played, (std::vector<int>{1, 2}));
}

TEST_F(ShellFlowTest, OneCharacterPerFrameActsAfterThePresentation) {
  StartGame();
  platform.Type(u"ab");
  const int flips = platform.flips;
  RunMainLoopFrame(game);
  EXPECT_EQ(game.console.inputLine, u"a");
  EXPECT_EQ(platform.flips, flips + 1);
  RunMainLoopFrame(game);
  EXPECT_EQ(game.console.inputLine, u"ab");
}

TEST_F(ShellFlowTest, ACommandIsEchoedFramedAndDispatched) {
  StartGame();
  TypeAndRun(u"i\r");
  EXPECT_EQ(observer.lines,
            (Lines{u">i", u"", u"Neseš zápalky.", u"",
                   u"Zápalky máš v kapse, kdyby byla tma.", u""}));
  EXPECT_EQ(game.console.inputLine, u"");
}

TEST_F(ShellFlowTest, DebugModeAddsFourLinesAfterEachCommand) {
  StartGame();
  game.debugMode = true;
  game.world.currentRoom = 7;
  game.world.Item(61)->location = 1003;
  game.world.CounterAt(1)->state = u"on";
  game.world.CounterAt(1)->value = -4;
  TypeAndRun(u"xyz\r");
  const auto& lines = observer.lines;
  ASSERT_GE(lines.size(), 4u);
  EXPECT_EQ(Lines(lines.end() - 4, lines.end()),
            (Lines{u"RM: 7", u"P:1003", u"on", u"-4"}));
}

TEST_F(ShellFlowTest, GameOverPrintsTheBannerThenStartsAgainAtOnce) {
  StartGame();
  game.world.currentRoom = 2;
  game.world.pendingFlow = FlowRequest::EndCredits;
  RunMainLoopFrame(game);
  EXPECT_EQ(game.world.pendingFlow, FlowRequest::None);
  ASSERT_GE(observer.lines.size(), 4u);
  EXPECT_EQ((Lines(observer.lines.begin(), observer.lines.begin() + 4)),
            (Lines{u"", u"% *G *A *M *E   *O *V *E *R ", u"",
                   u"Sklep. Stojí tu stará *skříň."}));
  EXPECT_EQ(game.world.currentRoom, 1);
  EXPECT_EQ(game.console.linesSincePause, observer.lines.size() - 2);
  EXPECT_TRUE(observer.menus.size() == 1) << "no title menu after a game over";
}

TEST_F(ShellFlowTest, RoomReloadIsQuietAndDropsItsOwnRequests) {
  StartGame();
  game.world.pendingFlow = FlowRequest::RoomReload;
  RunMainLoopFrame(game);
  EXPECT_EQ(game.world.pendingFlow, FlowRequest::None);
  EXPECT_TRUE(observer.lines.empty());
}

TEST_F(ShellFlowTest, OutroLeadsThroughTheTitleMenuToANewGame) {
  StartGame();
  game.world.currentRoom = 5;
  game.world.pendingFlow = FlowRequest::Outro;
  platform.batches = {u"S"};
  RunMainLoopFrame(game);
  EXPECT_EQ(observer.menus.size(), 2u);
  ASSERT_GE(observer.lines.size(), 4u);
  EXPECT_EQ((Lines(observer.lines.begin(), observer.lines.begin() + 4)),
            (Lines{u"% *K *O *N *E *C\r", u"\r",
                   u"*GRATULUJI, dostal ses ven.\r", u""}));
  EXPECT_TRUE(Printed(u"Sklep. Stojí tu stará *skříň."));
  EXPECT_EQ(game.world.currentRoom, 1);
  // The game track restarts after a second fade.
  EXPECT_EQ(platform.played, (std::vector<int>{1, 2, 2}));
}

TEST_F(ShellFlowTest, ConsoleAndSettingsSurviveANewGame) {
  StartGame();
  game.console.qwertySwap = true;
  game.world.score = 5;
  const Console before = game.console;
  game.world.pendingFlow = FlowRequest::EndCredits;
  RunMainLoopFrame(game);
  EXPECT_TRUE(game.console.qwertySwap);
  EXPECT_EQ(game.world.score, 5);
  // The old lines scrolled up but are still there above the new ones.
  EXPECT_EQ(game.console.lines[0], before.lines[observer.lines.size()]);
}

TEST_F(ShellFlowTest, ClosingTheWindowWhilePlayingAsks) {
  StartGame();
  platform.closeRequests = 1;
  RunMainLoopFrame(game);
  EXPECT_EQ(platform.confirms.size(), 1u);
  platform.closeRequests = 1;
  platform.confirmAnswer = true;
  EXPECT_THROW(RunMainLoopFrame(game), ProgramEnded);
}

}  // namespace
}  // namespace zarvel::testing
