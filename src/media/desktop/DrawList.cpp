#include "media/desktop/DrawList.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "media/FontFace.h"

namespace zarvel {

namespace {

// One byte per pixel: 1 where an opaque operation of the list has painted.
class CoverageMask {
 public:
  CoverageMask(int width, int height)
      : width_(width), height_(height), cells_(size_t(width) * height, 0) {}

  void Paint(int x0, int y0, int x1, int y1) {  // x1, y1 excluded
    if (!Clip(x0, y0, x1, y1)) return;
    for (int y = y0; y < y1; ++y)
      std::memset(&cells_[size_t(y) * width_ + x0], 1, size_t(x1 - x0));
  }

  bool IsPainted(int x0, int y0, int x1, int y1) const {
    if (!Clip(x0, y0, x1, y1)) return true;  // off-screen draws nothing
    for (int y = y0; y < y1; ++y) {
      const uint8_t* row = &cells_[size_t(y) * width_ + x0];
      if (std::memchr(row, 0, size_t(x1 - x0)) != nullptr) return false;
    }
    return true;
  }

 private:
  bool Clip(int& x0, int& y0, int& x1, int& y1) const {
    x0 = std::max(x0, 0);
    y0 = std::max(y0, 0);
    x1 = std::min(x1, width_);
    y1 = std::min(y1, height_);
    return x0 < x1 && y0 < y1;
  }

  int width_;
  int height_;
  std::vector<uint8_t> cells_;
};

int Round(float v) { return static_cast<int>(std::lround(v)); }

bool TextLandsOnPaint(const DrawOp& op, const CoverageMask& mask) {
  if (op.font == nullptr) return true;
  int pen = Round(op.x1);
  int top = Round(op.y1);
  for (char16_t c : op.text) {
    const Glyph* glyph = op.font->GetGlyph(c);
    if (glyph == nullptr) continue;
    int x = pen + glyph->offsetX;
    int y = top + glyph->offsetY;
    if (glyph->width > 0 && glyph->height > 0 &&
        !mask.IsPainted(x, y, x + glyph->width, y + glyph->height))
      return false;
    pen += glyph->advance;
  }
  return true;
}

}  // namespace

bool IsSelfContained(const DrawList& ops, int width, int height) {
  CoverageMask mask(width, height);
  for (const DrawOp& op : ops) {
    switch (op.kind) {
      case DrawOp::Kind::Cls:
        mask.Paint(0, 0, width, height);
        break;
      case DrawOp::Kind::Rect:
        mask.Paint(Round(op.x1), Round(op.y1), Round(op.x1 + op.x2),
                   Round(op.y1 + op.y2));
        break;
      case DrawOp::Kind::Line:
        // Diagonal lines only paint part of their box; leaving them out of
        // the mask can only make the answer more careful.
        if (op.y1 == op.y2 || op.x1 == op.x2) {
          mask.Paint(Round(std::min(op.x1, op.x2)),
                     Round(std::min(op.y1, op.y2)),
                     Round(std::max(op.x1, op.x2)) + 1,
                     Round(std::max(op.y1, op.y2)) + 1);
        }
        break;
      case DrawOp::Kind::Image:
        // Masked drawing replaces pixels, so repeating it changes nothing.
        if (op.blend == BlendMode::Alpha &&
            !mask.IsPainted(Round(op.x1), Round(op.y1),
                            Round(op.x1) + op.imageWidth,
                            Round(op.y1) + op.imageHeight))
          return false;
        break;
      case DrawOp::Kind::Text:
        if (op.blend == BlendMode::Alpha && !TextLandsOnPaint(op, mask))
          return false;
        break;
    }
  }
  return true;
}

}  // namespace zarvel
