// The intro: a hint that Escape skips it, then nine title cards over the
// intro music, 20 seconds in all.
#include <array>
#include <string>

#include "game/Game.h"
#include "media/Keys.h"
#include "media/Platform.h"
#include "media/ResourceSet.h"
#include "media/WrappingInt.h"
#include "shell/Shell.h"

namespace zarvel {

namespace {

struct TitleCard {
  const char* resource;
  int firstSecond;  // drawn while firstSecond < s < lastSecond (card 1: 0 <= s)
  int lastSecond;
};

// Read in order they form the opening credit phrase. In the seconds no card
// covers nothing is presented, so the card before stays up.
constexpr std::array<TitleCard, 9> kTitleCards = {{
    {"gfx/01_brokvin.png", -1, 2},
    {"gfx/02_ve_spolupraci_s.png", 2, 5},
    {"gfx/03_fendrikem.png", 5, 7},
    {"gfx/04_uvadi.png", 7, 9},
    {"gfx/05_puvodni.png", 9, 11},
    {"gfx/06_ceskou.png", 11, 13},
    {"gfx/07_hororovou.png", 13, 15},
    {"gfx/08_konverzacni_hru.png", 15, 17},
    {"gfx/09_zarvel.png", 17, 19},
}};

int CardAt(int s) {
  for (size_t i = 0; i < kTitleCards.size(); ++i) {
    if (s > kTitleCards[i].firstSecond && s < kTitleCards[i].lastSecond) {
      return static_cast<int>(i);
    }
  }
  return -1;
}

void ShowSkipHint(Platform& platform) {
  const Text hint = u"...stiskem ESC přeskočíte intro...";
  platform.SetClsColor(0, 0, 0);
  platform.Cls();
  platform.SetColor(255, 255, 255);
  platform.DrawTextAt(
      hint, static_cast<float>(780 - platform.TextWidthOf(hint)), 570);
  platform.Flip();
}

void ShowCards(Game& game) {
  Platform& platform = game.platform;
  // Each card is decoded once: the schedule asks for it every frame, and
  // images live until the program ends.
  std::array<ImageHandle, kTitleCards.size()> loaded{};
  for (;;) {
    const int s =
        MillisSince(game.title.introClock, platform.ClockMillis()) / 1000;
    if (platform.NextChar() == kKeyEscape) return;
    const int card = CardAt(s);
    if (card >= 0) {
      platform.Cls();
      ImageHandle& image = loaded[static_cast<size_t>(card)];
      if (image == 0) {
        image = platform.LoadImageResource(std::string(kResourcePrefix) +
                                           kTitleCards[card].resource);
      }
      const ImageSize size = platform.GetImageSize(image);
      platform.DrawImageAt(
          image, static_cast<float>((kCanvasWidth - size.width) / 2),
          static_cast<float>((kCanvasHeight - size.height) / 2));
      platform.Flip();
    }
    if (s > 19) return;
  }
}

}  // namespace

void PlayIntro(Game& game) {
  Platform& platform = game.platform;
  ShowSkipHint(platform);
  // Keys typed during the hint stay queued: an Escape now skips the cards.
  platform.SleepMillis(3000);
  platform.Cls();
  platform.Flip();
  game.title.introClock = platform.ClockMillis();
  if (game.console.observer) game.console.observer->OnIntroCards(true);
  ShowCards(game);
  if (game.console.observer) game.console.observer->OnIntroCards(false);
}

}  // namespace zarvel
