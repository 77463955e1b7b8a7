// The picture on screen kept as a list drawn on black: it must give the
// same pixels as drawing every frame over the last one, and a frame must
// change nothing outside the area said to have changed.
#include <gtest/gtest.h>

#include <memory>

#include "media/desktop/DrawList.h"
#include "media/headless/SoftwareRenderer.h"
#include "support/SoftwareDrawing.h"

namespace zarvel {
namespace {

constexpr int kWidth = 800;
constexpr int kHeight = 600;

class KeptPicture : public ::testing::Test {
 protected:
  void SetUp() override {
    font_ = test_support::GameFont();
    ASSERT_NE(font_, nullptr);
  }

  static DrawOp Op(DrawOp::Kind kind, float x1, float y1, float x2, float y2,
                   uint8_t grey = 255) {
    DrawOp op;
    op.kind = kind;
    op.blend = BlendMode::Alpha;
    op.x1 = x1;
    op.y1 = y1;
    op.x2 = x2;
    op.y2 = y2;
    op.r = op.g = op.b = grey;
    return op;
  }
  static DrawOp Rect(float x, float y, float w, float h, uint8_t grey) {
    return Op(DrawOp::Kind::Rect, x, y, w, h, grey);
  }
  static DrawOp Line(float y) { return Op(DrawOp::Kind::Line, 0, y, 800, y); }
  DrawOp Text(const char16_t* text, float x, float y,
              BlendMode blend = BlendMode::Alpha) {
    DrawOp op = Op(DrawOp::Kind::Text, x, y, 0, 0);
    op.blend = blend;
    op.font = font_.get();
    op.text = text;
    return op;
  }

  // The game screen: bands that meet, console text, the input bar.
  DrawList GameScreen(const char16_t* console, const char16_t* input,
                      bool cursor) {
    DrawList frame = {Rect(0, 0, 800, 43, 0),
                      Line(4),
                      Line(37),
                      Rect(0, 43, 800, 525, 90),
                      Text(console, 22, 44),
                      Rect(0, 562, 800, 38, 28),
                      Line(567),
                      Line(595),
                      Text(input, 22, 570)};
    if (cursor) frame.push_back(Rect(60, 570, 14, 22, 200));
    return frame;
  }
  // A bar drawn over the screen without a clear, with blended text that
  // would thicken if it were drawn over itself.
  DrawList PauseBar() {
    return {Rect(0, 565, 800, 33, 28), Line(567), Line(595),
            Text(u"stiskni prosím nějakou klávesu", 250, 570)};
  }

  static void Draw(const DrawList& ops, SoftwareRenderer& into) {
    test_support::DrawOps(ops, into);
  }
  static RgbaImage OnBlack(const DrawList& ops) {
    return test_support::DrawnOnBlack(ops, kWidth, kHeight);
  }
  // How many pixels outside the area differ between the pictures.
  static int DifferencesOutside(const RgbaImage& a, const RgbaImage& b,
                                const ScreenRect& area) {
    int count = 0;
    for (int y = 0; y < kHeight; ++y)
      for (int x = 0; x < kWidth; ++x) {
        if (x >= area.left && x < area.right && y >= area.top &&
            y < area.bottom)
          continue;
        size_t at = (size_t(y) * kWidth + x) * 4;
        for (int c = 0; c < 3; ++c)
          count += a.pixels[at + c] != b.pixels[at + c];
      }
    return count;
  }

  std::unique_ptr<FontFace> font_;
};

TEST_F(KeptPicture, GivesTheFramesDrawnOverEachOtherAndChangesOnlyItsArea) {
  DrawOp clear = Op(DrawOp::Kind::Cls, 0, 0, 0, 0, 0);
  DrawList card = {clear, Rect(100, 273, 600, 54, 160),
                   Text(u"Zarvel", 380, 290)};
  DrawList masked = {Text(u"maskovaný", 300, 100, BlendMode::Masked)};
  const struct {
    const char* what;
    DrawList frame;
  } steps[] = {
      {"a card after a clear", card},
      {"masked text over the card, no clear", masked},
      {"the game screen", GameScreen(u"Rozcestí", u">", true)},
      {"the cursor off", GameScreen(u"Rozcestí", u">", false)},
      {"a letter typed", GameScreen(u"Rozcestí", u">s", true)},
      {"the console scrolled", GameScreen(u"Stojíš na rozcestí", u">", false)},
      {"the pause bar over it", PauseBar()},
      {"the pause bar again", PauseBar()},
      {"the pause bar a third time", PauseBar()},
      {"the game screen again", GameScreen(u"Stojíš", u">", true)},
  };
  SoftwareRenderer drawnOver;  // the frames drawn over each other
  drawnOver.Open(kWidth, kHeight);
  DrawList shown;
  RgbaImage before = OnBlack(shown);
  for (const auto& step : steps) {
    Draw(step.frame, drawnOver);
    DrawList frame = step.frame;
    DrawList next = NextPicture(shown, std::move(frame), kWidth, kHeight);
    ScreenRect area = ChangedArea(shown, next, kWidth, kHeight);
    RgbaImage after = OnBlack(next);
    EXPECT_TRUE(after.pixels == drawnOver.backBuffer().pixels) << step.what;
    EXPECT_EQ(DifferencesOutside(before, after, area), 0) << step.what;
    shown = std::move(next);
    before = std::move(after);
  }
  // The bars painted over each other left one bar in the list.
  EXPECT_EQ(shown.size(), GameScreen(u"Stojíš", u">", true).size());
}

TEST_F(KeptPicture, ChangedAreaIsTheBoxRoundWhatDiffers) {
  DrawList screen = GameScreen(u"Rozcestí", u">", true);
  const ScreenRect whole{0, 0, kWidth, kHeight};
  const ScreenRect cursor{60, 570, 74, 592};
  const struct {
    const char* what;
    DrawList after;
    bool (*expected)(const ScreenRect& area, const ScreenRect& whole,
                     const ScreenRect& cursor);
  } cases[] = {
      {"the same list", screen,
       [](const ScreenRect& a, const ScreenRect&, const ScreenRect&) {
         return a.IsEmpty();
       }},
      {"the cursor gone", GameScreen(u"Rozcestí", u">", false),
       [](const ScreenRect& a, const ScreenRect&, const ScreenRect& c) {
         return a == c;
       }},
      {"a letter typed", GameScreen(u"Rozcestí", u">ab", true),
       [](const ScreenRect& a, const ScreenRect&, const ScreenRect&) {
         return a.top >= 562 && a.bottom <= 600 && !a.IsEmpty();
       }},
      {"a clear",
       {Op(DrawOp::Kind::Cls, 0, 0, 0, 0, 0)},
       [](const ScreenRect& a, const ScreenRect& w, const ScreenRect&) {
         return a == w;
       }},
  };
  for (const auto& c : cases) {
    ScreenRect area = ChangedArea(screen, c.after, kWidth, kHeight);
    EXPECT_TRUE(c.expected(area, whole, cursor))
        << c.what << ": " << area.left << "," << area.top << " to "
        << area.right << "," << area.bottom;
  }
}

}  // namespace
}  // namespace zarvel
