// The title menu: its keys, the music hand-over, the credits cycle, and the
// paged story and information screens.
#include <gtest/gtest.h>

#include "game/Game.h"
#include "shell/Shell.h"
#include "support/TestGame.h"

namespace zarvel::testing {
namespace {

bool Drew(const FakePlatform& platform, const std::u16string& text) {
  for (const DrawnText& drawn : platform.texts) {
    if (drawn.text == text) return true;
  }
  return false;
}

class TitleMenuTest : public ::testing::Test {
 protected:
  TestGame t;
  void SetUp() override {
    t.game.console.layout.lineHeight = 23;
    t.game.console.layout.charWidth = 10;
    t.game.title.introClock = t.platform.now;
    t.game.music.channel = 7;
    t.game.music.gameTrack = 2;
  }
};

TEST_F(TitleMenuTest, StartFadesTheMusicOutAndPlaysTheGameTrack) {
  t.platform.batches = {u"x\x1bS"};
  RunTitleMenu(t.game);
  const auto& volumes = t.platform.volumes;
  ASSERT_EQ(volumes.size(), 20u);
  EXPECT_FLOAT_EQ(volumes.front().second, 1.0f);
  EXPECT_NEAR(volumes.back().second, 0.05f, 1e-5);
  for (const auto& [channel, volume] : volumes) EXPECT_EQ(channel, 7);
  EXPECT_EQ(t.platform.pausedCalls,
            (std::vector<std::pair<int, bool>>{{7, true}}));
  EXPECT_EQ(t.platform.played, std::vector<int>{2});
  EXPECT_NE(t.game.music.channel, 7);
  EXPECT_EQ(t.observer.menus.size(), 1u);
  EXPECT_EQ(t.observer.menus[0].back(), u"Q - Quit");
}

TEST_F(TitleMenuTest, StartWithTheMusicOffLeavesItAlone) {
  t.game.music.on = false;
  t.platform.batches = {u"s"};
  RunTitleMenu(t.game);
  EXPECT_TRUE(t.platform.volumes.empty());
  EXPECT_TRUE(t.platform.played.empty());
  EXPECT_EQ(t.game.music.channel, 7);
}

TEST_F(TitleMenuTest, QuitEndsWithoutAQuestionButClosingAsks) {
  t.platform.batches = {u"q"};
  EXPECT_THROW(RunTitleMenu(t.game), ProgramEnded);
  EXPECT_TRUE(t.platform.confirms.empty());

  t.platform.closeRequests = 1;
  t.platform.confirmAnswer = false;  // Cancel: the menu goes on
  t.platform.batches = {u"xS"};
  RunTitleMenu(t.game);
  EXPECT_EQ(t.platform.confirms, std::vector<std::u16string>{u"Ukončit hru?"});

  t.platform.closeRequests = 1;
  t.platform.confirmAnswer = true;
  t.platform.batches = {u"x"};
  EXPECT_THROW(RunTitleMenu(t.game), ProgramEnded);
}

TEST_F(TitleMenuTest, CreditsPagesFollowTheClockInThreeSecondSteps) {
  struct Case {
    int elapsedMillis;
    const char16_t* shown;  // a text of the page, or null: nothing presented
  };
  const Case cases[] = {
      {500, u"námět, scénář, režie"},
      {2500, nullptr},
      {3500, u"herní testing"},
      {6500, u"autora hry."},
      {8200, nullptr},
      {9500, u"hra vůbec nevznikla."},
  };
  for (const Case& c : cases) {
    t.platform.ClearRecords();
    t.platform.flips = 0;
    t.game.title.introClock = t.platform.now - c.elapsedMillis;
    t.platform.batches = {u"xS"};  // one full pass, then start
    t.game.music.on = false;
    RunTitleMenu(t.game);
    if (c.shown) {
      EXPECT_EQ(t.platform.flips, 1) << c.elapsedMillis;
      EXPECT_TRUE(Drew(t.platform, c.shown)) << c.elapsedMillis;
    } else {
      EXPECT_EQ(t.platform.flips, 0) << c.elapsedMillis;
    }
  }
}

const DrawnText* FindText(const FakePlatform& platform,
                          const std::u16string& text) {
  for (const DrawnText& drawn : platform.texts) {
    if (drawn.text == text) return &drawn;
  }
  return nullptr;
}

TEST_F(TitleMenuTest, MenuAndCreditsSitOnTheTextGrid) {
  // "Z" is 10 px wide on the fake platform, a row 23 px high.
  t.game.music.on = false;
  t.platform.batches = {u"xS"};
  RunTitleMenu(t.game);
  const DrawnText* start = FindText(t.platform, u"S - Start hry");
  ASSERT_NE(start, nullptr);
  EXPECT_EQ(start->x, 400 - 130 / 2);
  EXPECT_EQ(start->y, 21 * 23);
  EXPECT_EQ(FindText(t.platform, u"neštěstí nechodí nikdy samo")->y, 8 * 23);
  // Page A: the role from column 12, the name ending 12 columns before the
  // right edge.
  const DrawnText* role = FindText(t.platform, u"námět, scénář, režie");
  ASSERT_NE(role, nullptr);
  EXPECT_EQ(role->x, 120);
  EXPECT_EQ(role->y, 13 * 23);
  const DrawnText* name = FindText(t.platform, u"brokvin");
  ASSERT_NE(name, nullptr);
  EXPECT_EQ(name->x, 800 - 70 - 120);
  EXPECT_EQ(name->y, 13 * 23);
  // The blue box of rows 3 to 10 and the green one of rows 12 to 19.
  const auto hasRect = [&](float x, float y, float w, float h, int rgb) {
    for (const DrawnRect& r : t.platform.rects) {
      if (r.x == x && r.y == y && r.width == w && r.height == h &&
          (r.r << 16 | r.g << 8 | r.b) == rgb) {
        return true;
      }
    }
    return false;
  };
  EXPECT_TRUE(hasRect(100, 69, 600, 184, 0x303080));
  EXPECT_TRUE(hasRect(100, 276, 600, 184, 0x308030));
}

TEST_F(TitleMenuTest, CycleRestartsAfterTwelveSeconds) {
  t.game.music.on = false;
  t.game.title.introClock = t.platform.now - 20000;
  t.platform.batches = {u"xS"};
  RunTitleMenu(t.game);
  EXPECT_LT(t.platform.now - t.game.title.introClock, 100);
}

TEST_F(TitleMenuTest, StoryAndInformationOpenPagedScreensThenTheMenuReturns) {
  t.game.music.on = false;
  t.game.title.storyText = u"Příběh./";
  t.game.world.legendText = u"Legenda";
  // Each key after the first answers a page or chooses from the menu.
  t.platform.batches = {u"p", u"k", u"I", u"k", u"S"};
  RunTitleMenu(t.game);
  EXPECT_EQ(t.observer.pages, (std::vector<std::vector<std::u16string>>{
                                  {u"Příběh.", u""}, {u"Legenda"}}));
  EXPECT_EQ(t.observer.menus.size(), 1u) << "reported once per visit";
}

class PagedTextTest : public TitleMenuTest {};

TEST_F(PagedTextTest, PagesHoldSixteenLinesEachEndedByAKey) {
  std::u16string text;
  for (int i = 1; i <= 40; ++i) text += u"r" + FormatInt(i) + u"/";
  text.pop_back();
  t.platform.batches = {u"a", u"b", u"c"};
  ShowPagedText(t.game, text, 4);
  ASSERT_EQ(t.observer.pages.size(), 3u);
  EXPECT_EQ(t.observer.pages[0].size(), 16u);
  EXPECT_EQ(t.observer.pages[1].front(), u"r17");
  EXPECT_EQ(t.observer.pages[2].size(), 8u);
  EXPECT_EQ(t.observer.waits, 3);
  EXPECT_TRUE(t.platform.keys.empty());
  // The last page: its lines from row 4, the prompt at row 21.
  const DrawnText& prompt = t.platform.texts.back();
  EXPECT_EQ(prompt.text, u"…stiskni klávesu…");
  EXPECT_EQ(prompt.y, 21 * 23);
  EXPECT_EQ(prompt.x, 400 - 170 / 2);
  const DrawnText& first = t.platform.texts[t.platform.texts.size() - 9];
  bool framed = false;  // the green frame of the paged screens
  for (const DrawnRect& r : t.platform.rects) {
    framed |= r.x == 100 && r.y == 69 && r.width == 600 && r.height == 462 &&
              r.g == 128;
  }
  EXPECT_TRUE(framed);
  EXPECT_EQ(first.text, u"r33");
  EXPECT_EQ(first.x, 110);
  EXPECT_EQ(first.y, 4 * 23);
}

TEST_F(PagedTextTest, ALineExactlyAsWideAsTheColumnStaysWhole) {
  // The column is 800 - 22 * 10 = 580 px.
  const std::u16string line =
      std::u16string(29, u'a') + u" " + std::u16string(28, u'b');  // 580 px
  t.platform.batches = {u"k", u"k"};
  ShowPagedText(t.game, line, 4);
  EXPECT_EQ(t.observer.pages,
            (std::vector<std::vector<std::u16string>>{{line}}));
  ShowPagedText(t.game, line + u"b", 4);
  EXPECT_EQ(t.observer.pages.back(),
            (std::vector<std::u16string>{std::u16string(29, u'a') + u" ",
                                         std::u16string(29, u'b')}));
}

TEST_F(PagedTextTest, MarkupIsDrawnAsItStands) {
  t.platform.keys = {'k'};
  ShowPagedText(t.game, u"% *T", 4);
  EXPECT_TRUE(Drew(t.platform, u"% *T"));
}

}  // namespace
}  // namespace zarvel::testing
