// The recorded screen must give exactly the pixels of drawing at once: each
// case plays the same calls on a SoftwareRenderer and on a DrawListRenderer
// and compares the back buffers and the presented frames.

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "media/FontFace.h"
#include "media/headless/DrawListRenderer.h"
#include "media/headless/SoftwareRenderer.h"

namespace zarvel {
namespace {

// Both renderers take the same calls through this.
struct Screens {
  SoftwareRenderer direct;
  DrawListRenderer recorded;

  template <typename Call>
  void Do(Call call) {
    call(direct);
    call(recorded);
  }
};

struct Case {
  const char* name;
  std::function<void(Screens&, FontFace&, const RgbaImage&)> play;
};

void PrintTo(const Case& c, std::ostream* out) { *out << c.name; }

RgbaImage HalfTransparentCard() {
  RgbaImage image;
  image.width = 40;
  image.height = 30;
  image.pixels.resize(40 * 30 * 4);
  for (size_t at = 0; at < image.pixels.size(); at += 4) {
    image.pixels[at] = static_cast<uint8_t>(at % 251);
    image.pixels[at + 1] = 90;
    image.pixels[at + 2] = 200;
    image.pixels[at + 3] = static_cast<uint8_t>(at % 256);
  }
  return image;
}

// A frame of the game screen: bands across the whole width that together
// cover it, text over them, no Cls.
void BandedFrame(Screens& s, int typed) {
  s.Do([&](auto& r) {
    r.SetColor(0, 0, 0);
    r.DrawRect(0, 0, 800, 43);
    r.SetColor(48, 48, 128);
    r.DrawRect(0, 43, 800, 525);
    r.SetColor(255, 255, 255);
    r.DrawText(
        u"Chodba " + std::u16string(static_cast<size_t>(typed % 7), u'Ř'), 30,
        300);
    r.SetColor(28, 28, 28);
    r.DrawRect(0, 562, 800, 38);
    r.SetColor(255, 255, 0);
    r.DrawText(std::u16string(static_cast<size_t>(typed % 30), u'ž'), 10, 565);
    r.DrawRect(static_cast<float>(20 + typed % 30 * 9), 570, 14, 22);
    r.Present();
  });
}

// Bands that leave rows uncovered keep what is under them.
void GappedFrame(Screens& s, int typed) {
  s.Do([&](auto& r) {
    r.SetColor(20, 20, 90);
    r.DrawRect(-10, 560, 900, 40);
    r.DrawRect(0, 0, 800, 300);
    r.SetColor(255, 255, 0);
    r.DrawText(std::u16string(static_cast<size_t>(typed % 30), u'ž'), 10,
               298 + typed % 20);
    r.Present();
  });
}

const Case kCases[] = {
    {"ScreenAndCommandLine",
     [](Screens& s, FontFace& font, const RgbaImage& card) {
       s.Do([&](auto& r) {
         r.SetFont(&font);
         r.SetClsColor(10, 20, 30);
         r.Cls();
         r.SetBlend(BlendMode::Alpha);
         r.SetColor(48, 128, 48);
         r.DrawRect(100, 69, 600, 462);
         r.SetColor(255, 255, 255);
         r.DrawText(u"Chodba. Na stěnách visí staré obrazy…", 110, 80);
         r.DrawLine(0, 599, 799, 0);
         r.DrawImage(card, 700, 10);
         r.SetBlend(BlendMode::Masked);
         r.DrawImage(card, 740, 15);
         r.DrawText(u"Žluťoučký kůň", 110, 103);
         r.Present();
       });
       for (int typed = 0; typed < 40; ++typed) BandedFrame(s, typed);
       for (int typed = 0; typed < 40; ++typed) GappedFrame(s, typed);
       BandedFrame(s, 3);
     }},
    {"TextOverTheRectangleEdgeIsKept",
     [](Screens& s, FontFace& font, const RgbaImage&) {
       s.Do([&](auto& r) {
         r.SetFont(&font);
         r.SetBlend(BlendMode::Alpha);
         r.DrawText(u"gjpqy ĚŠČŘŽ", 200, 300);
         r.SetColor(200, 0, 0);
         r.DrawRect(200, 306, 300, 10);  // covers only the middle
         r.Present();
         r.SetColor(0, 0, 200);
         r.DrawRect(-50, -50, 900, 700);  // covers the whole screen
         r.SetColor(255, 255, 255);
         r.DrawText(u"znovu", 300, 300);
       });
     }},
    {"LongDrawingWithoutClear",
     [](Screens& s, FontFace& font, const RgbaImage&) {
       // More calls than the recorder keeps before drawing them.
       s.Do([&](auto& r) {
         r.SetFont(&font);
         r.SetBlend(BlendMode::Alpha);
         for (int i = 0; i < 5000; ++i) {
           r.SetColor(i % 256, (i * 7) % 256, 255 - i % 256);
           r.DrawLine(static_cast<float>(i % 800), 0,
                      static_cast<float>((i * 3) % 800), 599);
           if (i % 1000 == 0) r.Present();
           if (i % 700 == 0) r.DrawText(u"ř", static_cast<float>(i % 790), 9);
         }
       });
     }},
    {"NewScreenOfAnotherSize",
     [](Screens& s, FontFace&, const RgbaImage& card) {
       s.Do([&](auto& r) {
         r.SetClsColor(1, 2, 3);
         r.Cls();
         r.Present();
         r.Open(320, 200);
         r.DrawImage(card, 300, 190);  // partly off the screen
         r.Present();
         r.DrawRect(0, 0, 10, 10);
       });
     }},
    {"SameSizeScreenKeepsThePresentedFrame",
     [](Screens& s, FontFace&, const RgbaImage&) {
       s.Do([&](auto& r) {
         r.SetColor(9, 99, 199);
         r.DrawRect(5, 5, 50, 50);
         r.Present();
         r.Open(800, 600);
         r.DrawRect(50, 50, 50, 50);
       });
     }},
};

class DrawListRendererTest : public ::testing::TestWithParam<Case> {};

TEST_P(DrawListRendererTest, GivesThePixelsOfDrawingAtOnce) {
  auto font =
      FontFace::Load(ZARVEL_SOURCE_DIR "/assets/font/Ubuntu-C.ttf", 20, true);
  ASSERT_NE(font, nullptr);
  const RgbaImage card = HalfTransparentCard();
  auto screens = std::make_unique<Screens>();
  GetParam().play(*screens, *font, card);

  const SoftwareRenderer& drawn = screens->recorded.Rasterised();
  EXPECT_EQ(drawn.backBuffer().width, screens->direct.backBuffer().width);
  EXPECT_TRUE(drawn.backBuffer().pixels == screens->direct.backBuffer().pixels);
  EXPECT_TRUE(screens->recorded.presented().pixels ==
              screens->direct.presented().pixels);
  EXPECT_EQ(drawn.color(), screens->direct.color());
  EXPECT_EQ(drawn.blend(), screens->direct.blend());
}

INSTANTIATE_TEST_SUITE_P(Calls, DrawListRendererTest,
                         ::testing::ValuesIn(kCases),
                         [](const auto& info) { return info.param.name; });

TEST(DrawListRenderer, RedrawingInPlaceKeepsTheListShort) {
  auto font =
      FontFace::Load(ZARVEL_SOURCE_DIR "/assets/font/Ubuntu-C.ttf", 20, true);
  ASSERT_NE(font, nullptr);
  Screens screens;
  screens.Do([&](auto& r) { r.SetFont(font.get()); });
  for (int typed = 0; typed < 500; ++typed) BandedFrame(screens, typed);
  EXPECT_LE(screens.recorded.pendingCalls(), 6u);  // one frame's calls
}

}  // namespace
}  // namespace zarvel
