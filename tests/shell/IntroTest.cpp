// The intro: the skip hint, the title-card schedule and the Escape skip.
#include <gtest/gtest.h>

#include "game/Game.h"
#include "shell/Shell.h"
#include "support/TestGame.h"

namespace zarvel::testing {
namespace {

TEST(IntroTest, HintThenNineCardsOverTwentySeconds) {
  TestGame t;
  const int32_t start = t.platform.now;
  PlayIntro(t.game);
  const DrawnText& hint = t.platform.texts.front();
  EXPECT_EQ(hint.text, u"...stiskem ESC přeskočíte intro...");
  EXPECT_EQ(hint.x, 780 - 340);
  EXPECT_EQ(hint.y, 570);
  // Each card is decoded once although it is drawn every frame.
  const std::vector<std::string> cards = {
      "incbin::gfx/01_brokvin.png",   "incbin::gfx/02_ve_spolupraci_s.png",
      "incbin::gfx/03_fendrikem.png", "incbin::gfx/04_uvadi.png",
      "incbin::gfx/05_puvodni.png",   "incbin::gfx/06_ceskou.png",
      "incbin::gfx/07_hororovou.png", "incbin::gfx/08_konverzacni_hru.png",
      "incbin::gfx/09_zarvel.png"};
  EXPECT_EQ(t.platform.imagesLoaded, cards);
  EXPECT_EQ(t.observer.introCards, (std::vector<bool>{true, false}));
  const int32_t elapsed = t.platform.now - start;
  EXPECT_GE(elapsed, 23000);
  EXPECT_LT(elapsed, 24100);
}

TEST(IntroTest, EscapeTypedDuringTheHintSkipsEveryCard) {
  TestGame t;
  t.platform.Type(u"\x1b\x1b");
  PlayIntro(t.game);
  EXPECT_TRUE(t.platform.imagesLoaded.empty());
  // Keys after the Escape are left for the discard that follows the intro.
  EXPECT_EQ(t.platform.keys, std::deque<int>{27});
}

TEST(IntroTest, EscapeAfterAnotherKeyEndsTheCardsAfterTheFirst) {
  TestGame t;
  t.platform.Type(u"a\x1b");
  PlayIntro(t.game);
  EXPECT_EQ(t.platform.imagesLoaded,
            std::vector<std::string>{"incbin::gfx/01_brokvin.png"});
}

TEST(IntroTest, OtherKeysAreConsumedAndTheCardsPlayOn) {
  TestGame t;
  t.platform.Type(u"xyz");
  PlayIntro(t.game);
  EXPECT_EQ(t.platform.imagesLoaded.size(), 9u);
  EXPECT_TRUE(t.platform.keys.empty());
}

}  // namespace
}  // namespace zarvel::testing
