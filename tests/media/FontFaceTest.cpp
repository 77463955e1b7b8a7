// The game font's numbers decide the layout of every screen, so they are
// checked on the real embedded font file.

#include <gtest/gtest.h>

#include "media/EmbeddedResources.h"
#include "media/FontFace.h"

namespace zarvel {
namespace {

const std::string kFontPath = ZARVEL_SOURCE_DIR "/assets/font/Ubuntu-C.ttf";

class FontFaceTest : public ::testing::Test {
 protected:
  void SetUp() override {
    font_ = FontFace::Load(kFontPath, 20, true);
    ASSERT_NE(font_, nullptr);
  }
  std::unique_ptr<FontFace> font_;
};

TEST_F(FontFaceTest, GameFontAtTwentyPixelsHasTheLayoutMetrics) {
  EXPECT_EQ(font_->pixelSize(), 20);
  EXPECT_EQ(font_->height(), 23);
  EXPECT_EQ(font_->ascender(), 19);
  EXPECT_EQ(font_->descender(), -4);
}

TEST(FontFaceLoad, ReadsTheEmbeddedFontFromItsBytes) {
  std::string bytes;
  ASSERT_TRUE(EmbeddedResources().Read("font/Ubuntu-C.ttf", bytes));
  auto font = FontFace::FromBytes(std::move(bytes), 20, true);
  ASSERT_NE(font, nullptr);
  EXPECT_EQ(font->height(), 23);
}

TEST(FontFaceLoad, FailsWithoutAReadableFaceOrAnAcceptableSize) {
  EXPECT_EQ(FontFace::Load(kFontPath + ".missing", 20, true), nullptr);
  EXPECT_EQ(
      FontFace::Load(ZARVEL_SOURCE_DIR "/assets/font/LICENCE.txt", 20, true),
      nullptr);
  EXPECT_EQ(FontFace::Load(kFontPath, 0, true), nullptr);
}

TEST_F(FontFaceTest, WidthIsTheSumOfGlyphAdvances) {
  EXPECT_EQ(font_->TextWidthOf(u""), 0);
  const Glyph* z = font_->GetGlyph(u'Z');
  ASSERT_NE(z, nullptr);
  EXPECT_GT(z->advance, 0);
  EXPECT_EQ(font_->TextWidthOf(u"Z"), z->advance);
  EXPECT_EQ(font_->TextWidthOf(u"ZZZ"), 3 * z->advance);
}

TEST_F(FontFaceTest, CharactersWithoutAGlyphAddNoWidth) {
  EXPECT_EQ(font_->GetGlyph(27), nullptr);
  EXPECT_EQ(font_->AdvanceOf(27), 0);
  EXPECT_EQ(font_->TextWidthOf(u"ab\x1b"
                               u"c\x1b"),
            font_->TextWidthOf(u"abc"));
  // A lone surrogate half is not a character of the map either.
  EXPECT_EQ(font_->AdvanceOf(0xD800), 0);
}

TEST_F(FontFaceTest, ControlCharactersMeasureAsTheGameExpects) {
  // The console relies on these: Tab and CR are blanks as wide as a space,
  // 0, 8 and 29 have no width.
  const int space = font_->AdvanceOf(u' ');
  EXPECT_GT(space, 0);
  EXPECT_EQ(font_->AdvanceOf(9), space);
  EXPECT_EQ(font_->AdvanceOf(13), space);
  for (char16_t c : {0, 8, 29}) EXPECT_EQ(font_->AdvanceOf(c), 0) << int(c);
}

TEST_F(FontFaceTest, NoBreakSpaceIsDrawnAsABlankAsWideAsASpace) {
  // The data joins one-letter words to the next with U+00A0: on screen it
  // must look exactly like a space.
  const Glyph* noBreak = font_->GetGlyph(0xA0);
  ASSERT_NE(noBreak, nullptr) << "the game font has no no-break space";
  EXPECT_EQ(noBreak->advance, font_->AdvanceOf(u' '));
  EXPECT_EQ(noBreak->coverage, std::vector<uint8_t>{}) << "it draws ink";
  EXPECT_EQ(font_->TextWidthOf(u"v\u00A0Zarvelu"),
            font_->TextWidthOf(u"v Zarvelu"));
}

TEST_F(FontFaceTest, WidthOfATextIsTheSumOfItsParts) {
  const Text text = u"Příliš žluťoučký kůň úpěl ďábelské ódy „AV“ … To/Wa";
  const int whole = font_->TextWidthOf(text);
  for (size_t cut = 0; cut <= text.size(); ++cut) {
    EXPECT_EQ(font_->TextWidthOf(text.substr(0, cut)) +
                  font_->TextWidthOf(text.substr(cut)),
              whole)
        << "cut at " << cut;
  }
}

TEST_F(FontFaceTest, EachGlyphIsMadeOnce) {
  const int before = font_->glyphsMade();
  const Glyph* first = font_->GetGlyph(u'č');
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(font_->glyphsMade(), before + 1);
  EXPECT_EQ(font_->GetGlyph(u'č'), first);
  font_->TextWidthOf(u"čččč");
  EXPECT_EQ(font_->glyphsMade(), before + 1);
  // A missing glyph is remembered too, without counting as made.
  font_->TextWidthOf(u"\x1b\x1b");
  EXPECT_EQ(font_->GetGlyph(27), nullptr);
  EXPECT_EQ(font_->glyphsMade(), before + 1);
}

TEST_F(FontFaceTest, SmoothingAddsATransparentBorderCoveringTheSamePixels) {
  auto sharp = FontFace::Load(kFontPath, 20, false);
  ASSERT_NE(sharp, nullptr);
  const Glyph* plain = sharp->GetGlyph(u'H');
  const Glyph* bordered = font_->GetGlyph(u'H');
  ASSERT_NE(plain, nullptr);
  ASSERT_NE(bordered, nullptr);
  ASSERT_GT(plain->width, 0);
  EXPECT_EQ(bordered->width, plain->width + 2);
  EXPECT_EQ(bordered->height, plain->height + 2);
  EXPECT_EQ(bordered->offsetX, plain->offsetX - 1);
  EXPECT_EQ(bordered->offsetY, plain->offsetY - 1);
  EXPECT_EQ(bordered->advance, plain->advance);
  for (int y = 0; y < bordered->height; ++y) {
    for (int x = 0; x < bordered->width; ++x) {
      const uint8_t value = bordered->coverage[y * bordered->width + x];
      const bool edge = x == 0 || y == 0 || x == bordered->width - 1 ||
                        y == bordered->height - 1;
      const uint8_t expected =
          edge ? 0 : plain->coverage[(y - 1) * plain->width + (x - 1)];
      ASSERT_EQ(value, expected) << x << "," << y;
    }
  }
}

TEST_F(FontFaceTest, GlyphSitsOnTheBaselineBelowTheLineTop) {
  // "H" stands on the baseline (ascender pixels below the line's top) and
  // reaches up to about the cap height; "p" hangs below it.
  auto sharp = FontFace::Load(kFontPath, 20, false);
  const Glyph* h = sharp->GetGlyph(u'H');
  const Glyph* p = sharp->GetGlyph(u'p');
  ASSERT_NE(h, nullptr);
  ASSERT_NE(p, nullptr);
  EXPECT_EQ(h->offsetY + h->height, sharp->ascender());
  EXPECT_GT(h->offsetY, 0);
  EXPECT_GT(p->offsetY + p->height, sharp->ascender());
  // The space advances but has nothing to draw.
  const Glyph* space = sharp->GetGlyph(u' ');
  ASSERT_NE(space, nullptr);
  EXPECT_TRUE(space->coverage.empty());
  EXPECT_GT(space->advance, 0);
}

}  // namespace
}  // namespace zarvel
