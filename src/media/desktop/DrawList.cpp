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

  bool IsFull() const {
    return std::memchr(cells_.data(), 0, cells_.size()) == nullptr;
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

// Rectangles, lines along an axis and clears paint every pixel of their box
// opaque; this marks them. False for every other operation.
bool PaintOpaque(const DrawOp& op, CoverageMask& mask, int width, int height) {
  switch (op.kind) {
    case DrawOp::Kind::Cls:
      mask.Paint(0, 0, width, height);
      return true;
    case DrawOp::Kind::Rect: {
      int x0 = Round(op.x1), y0 = Round(op.y1);
      int x1 = Round(op.x1 + op.x2), y1 = Round(op.y1 + op.y2);
      mask.Paint(std::min(x0, x1), std::min(y0, y1), std::max(x0, x1),
                 std::max(y0, y1));
      return true;
    }
    case DrawOp::Kind::Line:
      // Diagonal lines only paint part of their box; leaving them out of
      // the mask can only make the answers more careful.
      if (op.y1 != op.y2 && op.x1 != op.x2) return false;
      mask.Paint(Round(std::min(op.x1, op.x2)), Round(std::min(op.y1, op.y2)),
                 Round(std::max(op.x1, op.x2)) + 1,
                 Round(std::max(op.y1, op.y2)) + 1);
      return true;
    default:
      return false;
  }
}

ScreenRect TextArea(const DrawOp& op) {
  ScreenRect area;
  if (op.font == nullptr) return area;
  int pen = Round(op.x1);
  int top = Round(op.y1);
  for (char16_t c : op.text) {
    const Glyph* glyph = op.font->GetGlyph(c);
    if (glyph == nullptr) continue;
    if (glyph->width > 0 && glyph->height > 0) {
      int x = pen + glyph->offsetX;
      int y = top + glyph->offsetY;
      area.Include({x, y, x + glyph->width, y + glyph->height});
    }
    pen += glyph->advance;
  }
  return area;
}

}  // namespace

bool ScreenRect::Intersects(const ScreenRect& other) const {
  return !IsEmpty() && !other.IsEmpty() && left < other.right &&
         other.left < right && top < other.bottom && other.top < bottom;
}

void ScreenRect::Include(const ScreenRect& other) {
  if (other.IsEmpty()) return;
  if (IsEmpty()) {
    *this = other;
    return;
  }
  left = std::min(left, other.left);
  top = std::min(top, other.top);
  right = std::max(right, other.right);
  bottom = std::max(bottom, other.bottom);
}

ScreenRect AreaOf(const DrawOp& op, int width, int height) {
  ScreenRect area;
  switch (op.kind) {
    case DrawOp::Kind::Cls:
      area = {0, 0, width, height};
      break;
    case DrawOp::Kind::Rect: {
      int x0 = Round(op.x1), y0 = Round(op.y1);
      int x1 = Round(op.x1 + op.x2), y1 = Round(op.y1 + op.y2);
      area = {std::min(x0, x1), std::min(y0, y1), std::max(x0, x1),
              std::max(y0, y1)};
      break;
    }
    case DrawOp::Kind::Line:
      area = {Round(std::min(op.x1, op.x2)), Round(std::min(op.y1, op.y2)),
              Round(std::max(op.x1, op.x2)) + 1,
              Round(std::max(op.y1, op.y2)) + 1};
      break;
    case DrawOp::Kind::Image:
      area = {Round(op.x1), Round(op.y1), Round(op.x1) + op.imageWidth,
              Round(op.y1) + op.imageHeight};
      break;
    case DrawOp::Kind::Text:
      area = TextArea(op);
      break;
  }
  area.left = std::max(area.left, 0);
  area.top = std::max(area.top, 0);
  area.right = std::min(area.right, width);
  area.bottom = std::min(area.bottom, height);
  return area.IsEmpty() ? ScreenRect{} : area;
}

ScreenRect ChangedArea(const DrawList& before, const DrawList& after, int width,
                       int height) {
  size_t common = std::min(before.size(), after.size());
  size_t start = 0;
  while (start < common && before[start] == after[start]) ++start;
  size_t end = 0;  // equal operations at the end, after the start's
  while (end < common - start &&
         before[before.size() - 1 - end] == after[after.size() - 1 - end])
    ++end;
  ScreenRect area;
  for (size_t i = start; i < before.size() - end; ++i)
    area.Include(AreaOf(before[i], width, height));
  for (size_t i = start; i < after.size() - end; ++i)
    area.Include(AreaOf(after[i], width, height));
  return area;
}

bool PaintsEveryPixel(const DrawList& ops, int width, int height) {
  // The game's screens are a clear or bands across the whole width: rows
  // tell those apart at once, without a mask of every pixel.
  std::vector<uint8_t> rows(size_t(std::max(height, 0)), 0);
  int covered = 0;
  for (const DrawOp& op : ops) {
    if (op.kind == DrawOp::Kind::Cls) return true;
    if (op.kind != DrawOp::Kind::Rect) continue;
    ScreenRect area = AreaOf(op, width, height);
    if (area.IsEmpty() || area.left > 0 || area.right < width) continue;
    for (int y = area.top; y < area.bottom; ++y) {
      covered += rows[size_t(y)] == 0;
      rows[size_t(y)] = 1;
    }
    if (covered == height) return true;
  }
  CoverageMask mask(width, height);
  for (const DrawOp& op : ops) PaintOpaque(op, mask, width, height);
  return mask.IsFull();
}

DrawList NextPicture(const DrawList& shown, DrawList&& frame, int width,
                     int height) {
  if (frame.empty()) return shown;
  if (PaintsEveryPixel(frame, width, height)) return std::move(frame);
  CoverageMask mask(width, height);
  for (const DrawOp& op : frame) PaintOpaque(op, mask, width, height);
  DrawList picture;
  picture.reserve(shown.size() + frame.size());
  for (const DrawOp& op : shown) {
    ScreenRect area = AreaOf(op, width, height);
    if (!mask.IsPainted(area.left, area.top, area.right, area.bottom))
      picture.push_back(op);
  }
  picture.insert(picture.end(), std::make_move_iterator(frame.begin()),
                 std::make_move_iterator(frame.end()));
  return picture;
}

bool IsSelfContained(const DrawList& ops, int width, int height) {
  CoverageMask mask(width, height);
  for (const DrawOp& op : ops) {
    if (PaintOpaque(op, mask, width, height)) continue;
    switch (op.kind) {
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
      default:
        break;
    }
  }
  return true;
}

}  // namespace zarvel
