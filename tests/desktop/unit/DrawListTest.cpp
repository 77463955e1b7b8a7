// Which recorded frames may be skipped when repeated: only those whose
// blended pictures land on pixels the same frame has painted opaque.
#include <gtest/gtest.h>

#include <memory>

#include "media/FontFace.h"
#include "media/desktop/DrawList.h"
#include "support/SoftwareDrawing.h"

namespace zarvel {
namespace {

DrawOp Cls() { return DrawOp{}; }

DrawOp Rect(float x, float y, float w, float h) {
  DrawOp op;
  op.kind = DrawOp::Kind::Rect;
  op.x1 = x;
  op.y1 = y;
  op.x2 = w;
  op.y2 = h;
  return op;
}

DrawOp Image(float x, float y, int w, int h, BlendMode blend) {
  DrawOp op;
  op.kind = DrawOp::Kind::Image;
  op.blend = blend;
  op.image = 1;
  op.x1 = x;
  op.y1 = y;
  op.imageWidth = w;
  op.imageHeight = h;
  return op;
}

TEST(DesktopDrawList, BlendedImagesNeedAnOpaqueGroundInTheSameFrame) {
  const BlendMode alpha = BlendMode::Alpha;
  const struct {
    const char* what;
    DrawList ops;
    bool selfContained;
  } cases[] = {
      {"nothing blended", {Rect(0, 0, 10, 10)}, true},
      {"after a clear", {Cls(), Image(5, 5, 20, 20, alpha)}, true},
      {"on nothing", {Image(5, 5, 20, 20, alpha)}, false},
      {"on a rectangle drawn later",
       {Image(5, 5, 20, 20, alpha), Rect(0, 0, 100, 100)},
       false},
      {"on an exact rectangle",
       {Rect(5, 5, 20, 20), Image(5, 5, 20, 20, alpha)},
       true},
      {"one pixel over its edge",
       {Rect(5, 5, 20, 20), Image(5, 5, 21, 20, alpha)},
       false},
      {"on two bands that meet",
       {Rect(0, 0, 800, 43), Rect(0, 43, 800, 525),
        Image(100, 30, 50, 30, alpha)},
       true},
      {"masked on nothing", {Image(5, 5, 20, 20, BlendMode::Masked)}, true},
      {"partly off the screen",
       {Rect(780, 0, 20, 20), Image(780, 0, 40, 20, alpha)},
       true},
  };
  for (const auto& c : cases)
    EXPECT_EQ(IsSelfContained(c.ops, 800, 600), c.selfContained) << c.what;
}

TEST(DesktopDrawList, TextIsJudgedByTheGlyphsItCovers) {
  std::unique_ptr<FontFace> font = test_support::GameFont();
  ASSERT_NE(font, nullptr);
  DrawOp text;
  text.kind = DrawOp::Kind::Text;
  text.blend = BlendMode::Alpha;
  text.font = font.get();
  text.text = u"Tmavá předsíň";
  text.x1 = 22;
  text.y1 = 44;
  // The console band: the text box and the glyphs' borders lie inside.
  EXPECT_TRUE(IsSelfContained({Rect(0, 43, 800, 525), text}, 800, 600));
  // A band ending just below the line's top leaves the letters bare.
  EXPECT_FALSE(IsSelfContained({Rect(0, 43, 800, 10), text}, 800, 600));
  // Spaces alone draw nothing, so they need no ground.
  text.text = u"   ";
  EXPECT_TRUE(IsSelfContained({text}, 800, 600));
}

}  // namespace
}  // namespace zarvel
