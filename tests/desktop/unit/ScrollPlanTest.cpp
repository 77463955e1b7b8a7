// Rows moved up inside the kept picture and the rest redrawn: the result
// must be the new frame drawn whole, pixel for pixel, and a console that
// scrolled must need little redrawing.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "media/FontFace.h"
#include "media/desktop/DrawList.h"
#include "media/desktop/ScrollPlan.h"
#include "media/headless/SoftwareRenderer.h"
#include "support/SoftwareDrawing.h"

namespace zarvel {
namespace {

constexpr int kWidth = 800;
constexpr int kHeight = 600;
constexpr int kRows = 20;
constexpr int kRowPitch = 26;

// A console line; the words between '*' are drawn yellow, as highlighted.
using Line = std::u16string;

class ScrollPlanTest : public ::testing::Test {
 protected:
  void SetUp() override {
    font_ = test_support::GameFont();
    ASSERT_NE(font_, nullptr);
  }

  static DrawOp Op(DrawOp::Kind kind, float x1, float y1, float x2, float y2,
                   uint8_t r, uint8_t g, uint8_t b) {
    DrawOp op;
    op.kind = kind;
    op.blend = BlendMode::Alpha;
    op.x1 = x1;
    op.y1 = y1;
    op.x2 = x2;
    op.y2 = y2;
    op.r = r;
    op.g = g;
    op.b = b;
    return op;
  }
  static DrawOp Band(float y, float h, uint8_t r, uint8_t g, uint8_t b) {
    return Op(DrawOp::Kind::Rect, 0, y, 800, h, r, g, b);
  }
  static DrawOp Rule(float y) {
    return Op(DrawOp::Kind::Line, 0, y, 800, y, 255, 255, 255);
  }
  // One operation per glyph, as the console draws its rows.
  void AddGlyphs(DrawList& ops, const Line& line, float top) {
    int pen = 22;
    bool yellow = false;
    for (char16_t c : line) {
      if (c == u'*') {
        yellow = !yellow;
        continue;
      }
      DrawOp op = Op(DrawOp::Kind::Text, float(pen), top, 0, 0, 255, 255,
                     yellow ? 0 : 255);
      op.font = font_.get();
      op.text = Text(1, c);
      ops.push_back(op);
      const Glyph* glyph = font_->GetGlyph(c);
      pen += glyph != nullptr ? glyph->advance : 0;
    }
  }
  // The game screen: header, the console band with up to twenty rows, the
  // command line with its cursor. One row may be drawn a little lower.
  DrawList Screen(const std::vector<Line>& lines, const Line& input,
                  bool cursor = false, int loweredRow = -1) {
    DrawList ops = {Band(0, 43, 0, 0, 0), Rule(4), Rule(37),
                    Band(43, 525, 48, 48, 128)};
    for (int row = 0; row < int(lines.size()) && row < kRows; ++row)
      AddGlyphs(ops, lines[size_t(row)],
                float(kRowPitch * (row + 1) + 18 + (row == loweredRow) * 2));
    ops.push_back(Band(562, 38, 28, 28, 28));
    ops.push_back(Rule(567));
    ops.push_back(Rule(595));
    AddGlyphs(ops, input, 570);
    if (cursor)
      ops.push_back(Op(DrawOp::Kind::Rect, 300, 570, 14, 22, 200, 200, 200));
    return ops;
  }
  // Lines after a clear, on no band.
  DrawList Page(const std::vector<Line>& lines) {
    DrawList ops = {Op(DrawOp::Kind::Cls, 0, 0, 0, 0, 0, 0, 0)};
    for (size_t row = 0; row < lines.size(); ++row)
      AddGlyphs(ops, lines[row], float(kRowPitch * row + 10));
    return ops;
  }

  static RgbaImage OnBlack(const DrawList& ops) {
    return test_support::DrawnOnBlack(ops, kWidth, kHeight);
  }
  static uint8_t* RowOf(RgbaImage& image, int y) {
    return &image.pixels[size_t(y) * kWidth * 4];
  }
  // What the screen does with the plan: the copies in their order within
  // the old picture, then the new list drawn inside each repaired box (here
  // taken from the new picture drawn whole, which a scissor gives).
  static RgbaImage Apply(const ScrollPlan& plan, const RgbaImage& old,
                         RgbaImage whole) {
    RgbaImage out = old;
    for (const RowCopy& copy : plan.Copies()) {
      EXPECT_TRUE(copy.from >= copy.to + copy.count ||
                  copy.to >= copy.from + copy.count)
          << "rows " << copy.from << " and " << copy.to << " overlap";
      for (int k = 0; k < copy.count; ++k)
        std::memcpy(RowOf(out, copy.to + k), RowOf(out, copy.from + k),
                    size_t(kWidth) * 4);
    }
    for (const ScreenRect& box : plan.repairs)
      for (int y = box.top; y < box.bottom; ++y)
        std::memcpy(RowOf(out, y) + size_t(box.left) * 4,
                    RowOf(whole, y) + size_t(box.left) * 4,
                    size_t(box.right - box.left) * 4);
    return out;
  }

  std::unique_ptr<FontFace> font_;
};

// Lines with descenders, accents above capitals and highlighted words.
std::vector<Line> Story(int first, int count) {
  const Line texts[] = {
      u"Stojíš na rozcestí. Cesta vede na sever a na jih.",
      u"Ďáblova úžlabina: přepjatý, hrbolatý kopec.",
      u"Vidíš zde *klíč* a *starou mapu*.",
      u"Čáp, Řehoř, Žofie, Šimon a Ťapka jdou spolu.",
      u"gjpqy gjpqy gjpqy gjpqy gjpqy gjpqy gjpqy gjpqy",
      u"ÁÉÍÓÚÝČĎĚŇŘŠŤŽŮ ÁÉÍÓÚÝČĎĚŇŘŠŤŽŮ ÁÉÍÓÚÝ",
      u"",
      u"Pojď dál, poutníče, a nic se neboj.",
  };
  std::vector<Line> lines;
  for (int i = first; i < first + count; ++i)
    lines.push_back(Line(texts[i % 8]) + u" " +
                    Line(1, char16_t(u'0' + i % 10)));
  return lines;
}

TEST_F(ScrollPlanTest, CopiedAndRepairedPictureIsTheNewFrameDrawnWhole) {
  std::vector<Line> story = Story(0, 20);
  std::vector<Line> oneOn = Story(1, 20);
  std::vector<Line> threeOn = Story(3, 20);
  std::vector<Line> highlighted = oneOn;
  highlighted.back() = u"Sebral jsi *zlatý klíč* a *svíčku*.";
  std::vector<Line> changedOnTheWay = oneOn;
  // A moved line that also changed, one digit for another of its width.
  changedOnTheWay[7].back() =
      u'0' + (changedOnTheWay[7].back() - u'0' + 5) % 10;
  std::vector<Line> descenders = Story(4, 18);
  descenders.insert(descenders.begin(), u"ŘÍČŽĎŤŇ ÁÉ nahoře");
  descenders.push_back(u"gjpqy dole gjpqy ypsilon, jogurt, pýcha");
  std::vector<Line> descendersOn(descenders.begin() + 1, descenders.end());
  descendersOn.push_back(u"gggg jjjj pppp qqqq yyyy ÝÝÝÝ");

  const struct {
    const char* what;
    DrawList before, after;
    int shift;        // the shift the plan should find; 0 for no plan
    int mostRepairs;  // the most rows it may leave to redraw
  } cases[] = {
      {"one line scrolled in", Screen(story, u">"), Screen(oneOn, u">"),
       kRowPitch, kRowPitch},
      {"three lines scrolled in", Screen(story, u">"), Screen(threeOn, u">"),
       3 * kRowPitch, 3 * kRowPitch},
      {"a highlighted line scrolled in", Screen(story, u">"),
       Screen(highlighted, u">"), kRowPitch, kRowPitch},
      {"a moved line changed too", Screen(story, u">"),
       Screen(changedOnTheWay, u">"), kRowPitch, 3 * kRowPitch},
      {"a scroll and a new command line", Screen(story, u"> seber klíč"),
       Screen(oneOn, u">"), kRowPitch, kRowPitch + 38},
      {"a scroll, the command line changed under the cursor",
       Screen(story, u"> seber klíč", true), Screen(oneOn, u"> sebe", true),
       kRowPitch, kRowPitch + 38},
      {"a scroll with a line that moved less", Screen(story, u">"),
       Screen(oneOn, u">", false, 9), kRowPitch, 3 * kRowPitch},
      {"descenders and accents at the band's edges", Screen(descenders, u">"),
       Screen(descendersOn, u">"), kRowPitch, kRowPitch + 8},
      {"lines scrolled on a cleared page", Page(Story(0, 22)),
       Page(Story(2, 22)), 2 * kRowPitch, 3 * kRowPitch},
      {"other text, no scroll", Screen(story, u">"),
       Screen(std::vector<Line>(20, u"Nic než mlha a tma, kam se podíváš."),
              u">"),
       0, 0},
      {"a page over the game screen", Screen(story, u">"), Page(Story(5, 3)), 0,
       0},
      {"the same frame", Screen(story, u">"), Screen(story, u">"), 0, 0},
  };
  for (const auto& c : cases) {
    ScrollPlan plan = PlanScroll(c.before, c.after, kWidth, kHeight);
    EXPECT_EQ(plan.IsEmpty() ? 0 : plan.shift, c.shift) << c.what;
    if (plan.IsEmpty()) continue;
    int repaired = 0;
    for (const ScreenRect& box : plan.repairs) repaired += box.bottom - box.top;
    EXPECT_LE(repaired, c.mostRepairs) << c.what;
    RgbaImage whole = OnBlack(c.after);
    RgbaImage result = Apply(plan, OnBlack(c.before), whole);
    int wrong = 0;
    for (size_t i = 0; i < whole.pixels.size(); ++i)
      wrong += result.pixels[i] != whole.pixels[i];
    EXPECT_EQ(wrong, 0) << c.what;
  }
}

}  // namespace
}  // namespace zarvel
