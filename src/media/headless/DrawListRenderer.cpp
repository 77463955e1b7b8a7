#include "media/headless/DrawListRenderer.h"

#include <algorithm>
#include <climits>
#include <cmath>

namespace zarvel {

namespace {

// A frame drawn on again and again without a Cls would record without end:
// past this many calls the back buffer is drawn and becomes the new base.
constexpr size_t kMostRecordedCalls = 4096;

// The same rounding as SoftwareRenderer.
int ToPixel(float coordinate) {
  return static_cast<int>(std::lround(coordinate));
}

uint8_t Channel(int value) {
  return static_cast<uint8_t>(std::clamp(value, 0, 255));
}

}  // namespace

void DrawListRenderer::Open(int width, int height) {
  const bool resized = width != back_.width || height != back_.height;
  back_ = Frame{width, height, nullptr, nullptr};
  backRasterValid_ = false;
  // As a new screen: the last presented frame stays unless the size changes.
  if (resized) {
    presented_ = back_;
    presentedRasterValid_ = false;
  }
  color_ = {255, 255, 255};
  clsColor_ = {0, 0, 0};
  blend_ = BlendMode::Masked;
  font_ = nullptr;
}

void DrawListRenderer::Present() {
  presented_ = back_;
  presentedRasterValid_ = false;
}

void DrawListRenderer::SetColor(int r, int g, int b) {
  color_ = {Channel(r), Channel(g), Channel(b)};
}

void DrawListRenderer::SetClsColor(int r, int g, int b) {
  clsColor_ = {Channel(r), Channel(g), Channel(b)};
}

DrawListRenderer::Op& DrawListRenderer::Record(Op::Kind kind) {
  if (!recording_) return discarded_;
  if (!back_.ops) {
    back_.ops = std::make_shared<Ops>();
  } else if (back_.ops.use_count() > 1) {
    // Shared with the presented frame: draw on a copy.
    back_.ops = std::make_shared<Ops>(*back_.ops);
  }
  if (back_.ops->size() >= kMostRecordedCalls) {
    const SoftwareRenderer& drawn = Rasterised();
    back_.base = std::make_shared<const RgbaImage>(drawn.backBuffer());
    back_.ops = std::make_shared<Ops>();
    backRasterCalls_ = 0;
  }
  Op& op = back_.ops->emplace_back();
  op.kind = kind;
  op.blend = blend_;
  op.color = color_;
  return op;
}

void DrawListRenderer::Cls() {
  // Everything drawn before is covered: start a new list.
  if (!recording_) return;
  back_.base = nullptr;
  back_.ops = std::make_shared<Ops>();
  backRasterValid_ = false;
  Record(Op::Kind::Cls).color = clsColor_;
}

void DrawListRenderer::DrawRect(float x, float y, float width, float height) {
  int left = ToPixel(x);
  int top = ToPixel(y);
  int right = ToPixel(x + width);
  int bottom = ToPixel(y + height);
  if (right < left) std::swap(left, right);
  if (bottom < top) std::swap(top, bottom);
  Op& op = Record(Op::Kind::Rect);
  op.x1 = x;
  op.y1 = y;
  op.x2 = width;
  op.y2 = height;
  op.left = left;
  op.top = top;
  op.right = right;
  op.bottom = bottom;
  if (recording_) DropCoveredBy(op);
}

void DrawListRenderer::DrawLine(float x1, float y1, float x2, float y2) {
  Op& op = Record(Op::Kind::Line);
  op.x1 = x1;
  op.y1 = y1;
  op.x2 = x2;
  op.y2 = y2;
  op.left = std::min(ToPixel(x1), ToPixel(x2));
  op.top = std::min(ToPixel(y1), ToPixel(y2));
  op.right = std::max(ToPixel(x1), ToPixel(x2)) + 1;
  op.bottom = std::max(ToPixel(y1), ToPixel(y2)) + 1;
}

void DrawListRenderer::DrawImage(const RgbaImage& image, float x, float y) {
  Op& op = Record(Op::Kind::Image);
  op.image = &image;
  op.x1 = x;
  op.y1 = y;
  op.left = ToPixel(x);
  op.top = ToPixel(y);
  op.right = op.left + image.width;
  op.bottom = op.top + image.height;
}

void DrawListRenderer::DrawText(const Text& text, float x, float y) {
  if (font_ == nullptr) return;  // draws nothing
  // The glyphs are made now, as drawing at once would make them.
  int pen = ToPixel(x);
  const int lineTop = ToPixel(y);
  int left = INT32_MAX, top = INT32_MAX, right = INT32_MIN, bottom = INT32_MIN;
  for (char16_t c : text) {
    const Glyph* glyph = font_->GetGlyph(c);
    if (glyph == nullptr) continue;
    if (glyph->width > 0 && glyph->height > 0) {
      left = std::min(left, pen + glyph->offsetX);
      top = std::min(top, lineTop + glyph->offsetY);
      right = std::max(right, pen + glyph->offsetX + glyph->width);
      bottom = std::max(bottom, lineTop + glyph->offsetY + glyph->height);
    }
    pen += glyph->advance;
  }
  if (right <= left || bottom <= top) return;  // no pixel to draw
  Op& op = Record(Op::Kind::Text);
  op.font = font_;
  op.text = text;
  op.x1 = x;
  op.y1 = y;
  op.left = left;
  op.top = top;
  op.right = right;
  op.bottom = bottom;
}

void DrawListRenderer::DropCoveredBy(const Op& rect) {
  // Only pixels on the screen count.
  const int left = std::max(rect.left, 0);
  const int top = std::max(rect.top, 0);
  const int right = std::min(rect.right, back_.width);
  const int bottom = std::min(rect.bottom, back_.height);
  if (right <= left || bottom <= top) return;
  Ops& ops = *back_.ops;
  const auto covered = [&](const Op& op) {
    if (op.kind == Op::Kind::Cls) {
      return left == 0 && top == 0 && right == back_.width &&
             bottom == back_.height;
    }
    const int opLeft = std::max(op.left, 0);
    const int opTop = std::max(op.top, 0);
    const int opRight = std::min(op.right, back_.width);
    const int opBottom = std::min(op.bottom, back_.height);
    if (opRight <= opLeft || opBottom <= opTop) return true;  // off screen
    return opLeft >= left && opTop >= top && opRight <= right &&
           opBottom <= bottom;
  };
  const auto end = std::remove_if(ops.begin(), ops.end() - 1, covered);
  if (end == ops.end() - 1) return;
  ops.erase(end, ops.end() - 1);
  backRasterValid_ = false;
  if (left == 0 && top == 0 && right == back_.width && bottom == back_.height) {
    back_.base = nullptr;  // nothing under the rectangle shows
  }
}

void DrawListRenderer::Replay(const Frame& frame, size_t from,
                              SoftwareRenderer& into) {
  const Ops empty;
  const Ops& ops = frame.ops ? *frame.ops : empty;
  if (from == 0) {
    const RgbaImage& buffer = into.backBuffer();
    const bool sized =
        buffer.width == frame.width && buffer.height == frame.height;
    const bool clearsFirst = !ops.empty() && ops.front().kind == Op::Kind::Cls;
    if (frame.base) {
      into.SetBackBuffer(*frame.base);
    } else if (!sized || !clearsFirst) {
      into.Open(frame.width, frame.height);  // black
    }
  }
  for (size_t at = from; at < ops.size(); ++at) {
    const Op& op = ops[at];
    into.SetBlend(op.blend);
    if (op.kind == Op::Kind::Cls) {
      into.SetClsColor(op.color.r, op.color.g, op.color.b);
      into.Cls();
      continue;
    }
    into.SetColor(op.color.r, op.color.g, op.color.b);
    switch (op.kind) {
      case Op::Kind::Rect:
        into.DrawRect(op.x1, op.y1, op.x2, op.y2);
        break;
      case Op::Kind::Line:
        into.DrawLine(op.x1, op.y1, op.x2, op.y2);
        break;
      case Op::Kind::Image:
        into.DrawImage(*op.image, op.x1, op.y1);
        break;
      case Op::Kind::Text:
        into.SetFont(op.font);
        into.DrawText(op.text, op.x1, op.y1);
        break;
      case Op::Kind::Cls:
        break;
    }
  }
}

void DrawListRenderer::RestoreState(SoftwareRenderer& into) const {
  into.SetColor(color_.r, color_.g, color_.b);
  into.SetClsColor(clsColor_.r, clsColor_.g, clsColor_.b);
  into.SetBlend(blend_);
  into.SetFont(font_);
}

const SoftwareRenderer& DrawListRenderer::Rasterised() const {
  if (!backRaster_) {
    backRaster_ = std::make_unique<SoftwareRenderer>();
    backRasterValid_ = false;
  }
  if (!backRasterValid_) backRasterCalls_ = 0;
  Replay(back_, backRasterCalls_, *backRaster_);
  backRasterCalls_ = pendingCalls();
  backRasterValid_ = true;
  RestoreState(*backRaster_);
  return *backRaster_;
}

const RgbaImage& DrawListRenderer::presented() const {
  if (!presentedRaster_) {
    presentedRaster_ = std::make_unique<SoftwareRenderer>();
    presentedRasterValid_ = false;
  }
  if (!presentedRasterValid_) {
    Replay(presented_, 0, *presentedRaster_);
    presentedRasterValid_ = true;
  }
  return presentedRaster_->backBuffer();
}

}  // namespace zarvel
