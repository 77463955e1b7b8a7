// Pixels of the software renderer: what the screen tests and the runner's
// screenshots see.

#include <gtest/gtest.h>

#include "media/headless/SoftwareRenderer.h"

namespace zarvel {
namespace {

const Rgb kBlack{0, 0, 0};
const Rgb kWhite{255, 255, 255};

TEST(SoftwareRenderer, StartsBlackWithTheStateOfANewScreen) {
  SoftwareRenderer renderer;
  EXPECT_EQ(renderer.backBuffer().width, 800);
  EXPECT_EQ(renderer.backBuffer().height, 600);
  EXPECT_EQ(renderer.PixelAt(400, 300), kBlack);
  EXPECT_EQ(renderer.color(), kWhite);
  EXPECT_EQ(renderer.clsColor(), kBlack);
  EXPECT_EQ(renderer.blend(), BlendMode::Masked);
  EXPECT_EQ(renderer.font(), nullptr);
  EXPECT_EQ(renderer.backBuffer().pixels[3], 255);  // opaque
}

TEST(SoftwareRenderer, RectangleLeavesOutItsRightAndBottomEdges) {
  SoftwareRenderer renderer;
  renderer.SetColor(48, 48, 128);
  renderer.DrawRect(10, 20, 5, 3);
  const Rgb blue{48, 48, 128};
  EXPECT_EQ(renderer.PixelAt(10, 20), blue);
  EXPECT_EQ(renderer.PixelAt(14, 22), blue);
  EXPECT_EQ(renderer.PixelAt(15, 20), kBlack);
  EXPECT_EQ(renderer.PixelAt(10, 23), kBlack);
  EXPECT_EQ(renderer.PixelAt(9, 20), kBlack);
  EXPECT_EQ(renderer.PixelAt(10, 19), kBlack);
  int filled = 0;
  for (int y = 0; y < 600; ++y) {
    for (int x = 0; x < 800; ++x) filled += renderer.PixelAt(x, y) == blue;
  }
  EXPECT_EQ(filled, 15);
}

TEST(SoftwareRenderer, RectangleIsClippedToTheFrame) {
  SoftwareRenderer renderer;
  renderer.DrawRect(-10, 590, 820, 100);  // must not write outside
  EXPECT_EQ(renderer.PixelAt(0, 599), kWhite);
  EXPECT_EQ(renderer.PixelAt(799, 590), kWhite);
  EXPECT_EQ(renderer.PixelAt(799, 589), kBlack);
}

TEST(SoftwareRenderer, LineDrawsBothEnds) {
  SoftwareRenderer renderer;
  renderer.DrawLine(0, 4, 800, 4);  // the header line, as the game draws it
  EXPECT_EQ(renderer.PixelAt(0, 4), kWhite);
  EXPECT_EQ(renderer.PixelAt(799, 4), kWhite);
  EXPECT_EQ(renderer.PixelAt(400, 3), kBlack);
  EXPECT_EQ(renderer.PixelAt(400, 5), kBlack);

  renderer.SetColor(255, 0, 0);
  renderer.DrawLine(20, 30, 23, 30);
  const Rgb red{255, 0, 0};
  EXPECT_EQ(renderer.PixelAt(19, 30), kBlack);
  for (int x = 20; x <= 23; ++x) EXPECT_EQ(renderer.PixelAt(x, 30), red) << x;
  EXPECT_EQ(renderer.PixelAt(24, 30), kBlack);
  renderer.DrawLine(50, 50, 50, 50);
  EXPECT_EQ(renderer.PixelAt(50, 50), red);
  renderer.DrawLine(60, 70, 60, 60);
  EXPECT_EQ(renderer.PixelAt(60, 60), red);
  EXPECT_EQ(renderer.PixelAt(60, 70), red);
  EXPECT_EQ(renderer.PixelAt(60, 71), kBlack);
}

TEST(SoftwareRenderer, ClsFillsWithTheClearColour) {
  SoftwareRenderer renderer;
  renderer.SetClsColor(1, 2, 3);
  renderer.Cls();
  EXPECT_EQ(renderer.PixelAt(0, 0), (Rgb{1, 2, 3}));
  EXPECT_EQ(renderer.PixelAt(799, 599), (Rgb{1, 2, 3}));
}

RgbaImage TwoPixels() {
  // An opaque grey pixel and a half-transparent white one.
  return {2, 1, {200, 100, 50, 255, 255, 255, 255, 128}};
}

TEST(SoftwareRenderer, ImagesAreTintedAndBlendedByTheirAlpha) {
  SoftwareRenderer renderer;
  renderer.SetClsColor(0, 0, 100);
  renderer.Cls();
  renderer.SetBlend(BlendMode::Alpha);
  renderer.DrawImage(TwoPixels(), 5, 5);
  EXPECT_EQ(renderer.PixelAt(5, 5), (Rgb{200, 100, 50}));  // white: untinted
  // 255 * 128/255 + 0 * 127/255 = 128; 255 * 128/255 + 100 * 127/255 = 178
  EXPECT_EQ(renderer.PixelAt(6, 5), (Rgb{128, 128, 178}));
  renderer.SetColor(255, 0, 128);
  renderer.DrawImage(TwoPixels(), 5, 6);
  EXPECT_EQ(renderer.PixelAt(5, 6), (Rgb{200, 0, 25}));
}

TEST(SoftwareRenderer, MaskedModeDrawsHalfOpaquePixelsUnblended) {
  SoftwareRenderer renderer;
  RgbaImage image{3, 1, {10, 20, 30, 127, 40, 50, 60, 128, 70, 80, 90, 0}};
  renderer.DrawImage(image, 0, 0);
  EXPECT_EQ(renderer.PixelAt(0, 0), kBlack);
  EXPECT_EQ(renderer.PixelAt(1, 0), (Rgb{40, 50, 60}));
  EXPECT_EQ(renderer.PixelAt(2, 0), kBlack);
}

TEST(SoftwareRenderer, PresentedFrameIsACopyTakenAtPresent) {
  SoftwareRenderer renderer;
  renderer.DrawRect(0, 0, 1, 1);
  EXPECT_EQ(renderer.presented().pixels[0], 0);
  renderer.Present();
  EXPECT_EQ(renderer.presented().pixels[0], 255);
  renderer.Cls();
  EXPECT_EQ(renderer.presented().pixels[0], 255);
}

TEST(SoftwareRenderer, OpeningAgainResetsTheDrawingState) {
  SoftwareRenderer renderer;
  auto font =
      FontFace::Load(ZARVEL_SOURCE_DIR "/assets/font/Ubuntu-C.ttf", 20, true);
  renderer.SetColor(1, 2, 3);
  renderer.SetClsColor(4, 5, 6);
  renderer.SetBlend(BlendMode::Alpha);
  renderer.SetFont(font.get());
  renderer.Open(800, 600);
  EXPECT_EQ(renderer.color(), kWhite);
  EXPECT_EQ(renderer.clsColor(), kBlack);
  EXPECT_EQ(renderer.blend(), BlendMode::Masked);
  EXPECT_EQ(renderer.font(), nullptr);
}

class GlyphDrawingTest : public ::testing::Test {
 protected:
  void SetUp() override {
    font_ =
        FontFace::Load(ZARVEL_SOURCE_DIR "/assets/font/Ubuntu-C.ttf", 20, true);
    ASSERT_NE(font_, nullptr);
    renderer_.SetFont(font_.get());
    renderer_.SetBlend(BlendMode::Alpha);
    renderer_.SetClsColor(48, 48, 128);
    renderer_.Cls();
    renderer_.SetColor(255, 255, 0);
  }
  std::unique_ptr<FontFace> font_;
  SoftwareRenderer renderer_;
};

TEST_F(GlyphDrawingTest, GlyphCoverageBlendsTheColourOverTheBackground) {
  const Glyph* o = font_->GetGlyph(u'O');
  ASSERT_NE(o, nullptr);
  const int x = 22;
  const int y = 44;
  renderer_.DrawText(u"O", x, y);
  int partial = 0;
  for (int row = 0; row < o->height; ++row) {
    for (int column = 0; column < o->width; ++column) {
      const int a = o->coverage[row * o->width + column];
      const Rgb expected{
          static_cast<uint8_t>((255 * a + 48 * (255 - a) + 127) / 255),
          static_cast<uint8_t>((255 * a + 48 * (255 - a) + 127) / 255),
          static_cast<uint8_t>((128 * (255 - a) + 127) / 255)};
      ASSERT_EQ(
          renderer_.PixelAt(x + o->offsetX + column, y + o->offsetY + row),
          expected)
          << column << "," << row;
      partial += a > 0 && a < 255;
    }
  }
  EXPECT_GT(partial, 0);  // the edges are anti-aliased
  // Nothing outside the glyph's box changed.
  EXPECT_EQ(renderer_.PixelAt(x + o->offsetX - 1, y + o->offsetY),
            (Rgb{48, 48, 128}));
}

TEST_F(GlyphDrawingTest, TextAdvancesThePenAndSkipsMissingGlyphs) {
  SoftwareRenderer single;
  single.SetFont(font_.get());
  single.SetBlend(BlendMode::Alpha);
  single.SetClsColor(48, 48, 128);
  single.Cls();
  single.SetColor(255, 255, 0);
  single.DrawText(u"A", 100, 200);
  single.DrawText(u"V", 100 + font_->AdvanceOf(u'A'), 200);
  renderer_.DrawText(u"A\x1bV", 100, 200);
  EXPECT_EQ(renderer_.backBuffer().pixels, single.backBuffer().pixels);
}

TEST_F(GlyphDrawingTest, WithoutAFontTextDrawsNothing) {
  renderer_.SetFont(nullptr);
  const std::vector<uint8_t> before = renderer_.backBuffer().pixels;
  renderer_.DrawText(u"Zarvel", 10, 10);
  EXPECT_EQ(renderer_.backBuffer().pixels, before);
}

}  // namespace
}  // namespace zarvel
