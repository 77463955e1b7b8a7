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
  // Whole numbers, what the game passes, need no rounding call.
  if (std::fabs(coordinate) < 1e9f) {
    const int whole = static_cast<int>(coordinate);
    if (static_cast<float>(whole) == coordinate) return whole;
  }
  return static_cast<int>(std::lround(coordinate));
}

uint8_t Channel(int value) {
  return static_cast<uint8_t>(std::clamp(value, 0, 255));
}

}  // namespace

void DrawListRenderer::Open(int width, int height) {
  const bool resized = width != back_.width || height != back_.height;
  back_ = Frame{};
  back_.width = width;
  back_.height = height;
  firstBand_ = kNoBand;
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
    // Presented: draw on over it.
    const bool synced =
        backRasterValid_ && backRasterCalls_ == back_.ops->size();
    auto under = std::make_shared<const Frame>(back_);
    back_.base = nullptr;
    back_.underCalls = under->calls();
    back_.ops = std::make_shared<Ops>();
    // The next frame is much like the last: room for as many calls.
    back_.ops->calls.reserve(under->ops->calls.size());
    back_.ops->chars.reserve(under->ops->chars.size());
    back_.under = std::move(under);
    backRasterValid_ = synced;
    backRasterCalls_ = 0;
    firstBand_ = kNoBand;
  }
  if (back_.calls() >= kMostRecordedCalls) {
    const SoftwareRenderer& drawn = Rasterised();
    back_.base = std::make_shared<const RgbaImage>(drawn.backBuffer());
    back_.under = nullptr;
    back_.underCalls = 0;
    back_.ops = std::make_shared<Ops>();
    backRasterCalls_ = 0;
    firstBand_ = kNoBand;
  }
  Op& op = back_.ops->calls.emplace_back();
  op.kind = kind;
  op.blend = blend_;
  op.color = color_;
  return op;
}

void DrawListRenderer::Cls() {
  // Everything drawn before is covered: start a new list.
  if (!recording_) return;
  back_.base = nullptr;
  back_.under = nullptr;
  back_.underCalls = 0;
  back_.ops = std::make_shared<Ops>();
  backRasterValid_ = false;
  firstBand_ = kNoBand;
  Record(Op::Kind::Cls).color = clsColor_;
}

void DrawListRenderer::DrawRect(float x, float y, float width, float height) {
  if (!recording_) return;
  Op& op = Record(Op::Kind::Rect);
  op.x1 = x;
  op.y1 = y;
  op.x2 = width;
  op.y2 = height;
  NoteBand(op);
}

void DrawListRenderer::DrawLine(float x1, float y1, float x2, float y2) {
  if (!recording_) return;
  Op& op = Record(Op::Kind::Line);
  op.x1 = x1;
  op.y1 = y1;
  op.x2 = x2;
  op.y2 = y2;
}

void DrawListRenderer::DrawImage(const RgbaImage& image, float x, float y) {
  if (!recording_) return;
  Op& op = Record(Op::Kind::Image);
  op.image = &image;
  op.x1 = x;
  op.y1 = y;
}

void DrawListRenderer::DrawText(const Text& text, float x, float y) {
  if (!recording_ || font_ == nullptr || text.empty()) return;
  Op& op = Record(Op::Kind::Text);
  Text& chars = back_.ops->chars;
  op.font = font_;
  op.textAt = static_cast<uint32_t>(chars.size());
  op.textLength = static_cast<uint32_t>(text.size());
  chars += text;
  op.x1 = x;
  op.y1 = y;
}

void DrawListRenderer::NoteBand(const Op& rect) {
  // The rectangle's pixels on the screen, rounded as SoftwareRenderer does.
  int left = ToPixel(rect.x1);
  int top = ToPixel(rect.y1);
  int right = ToPixel(rect.x1 + rect.x2);
  int bottom = ToPixel(rect.y1 + rect.y2);
  if (right < left) std::swap(left, right);
  if (bottom < top) std::swap(top, bottom);
  top = std::max(top, 0);
  bottom = std::min(bottom, back_.height);
  if (left > 0 || right < back_.width || bottom <= top) return;

  std::vector<Op>& calls = back_.ops->calls;
  if (firstBand_ == kNoBand) {
    firstBand_ = calls.size() - 1;
    bandRows_.assign(static_cast<size_t>(back_.height), 0);
    rowsInBands_ = 0;
  }
  for (int row = top; row < bottom; ++row) {
    uint8_t& covered = bandRows_[static_cast<size_t>(row)];
    rowsInBands_ += covered == 0;
    covered = 1;
  }
  if (rowsInBands_ < back_.height) return;

  // Every pixel is drawn over by a band from firstBand_ on: what came before
  // can no longer show.
  calls.erase(calls.begin(), calls.begin() + static_cast<long>(firstBand_));
  back_.under = nullptr;
  back_.underCalls = 0;
  back_.base = nullptr;
  backRasterValid_ = false;
  firstBand_ = kNoBand;
}

void DrawListRenderer::Replay(const Frame& frame, SoftwareRenderer& into) {
  std::vector<const Frame*> frames;
  for (const Frame* at = &frame; at != nullptr; at = at->under.get()) {
    frames.push_back(at);
  }
  const Frame& lowest = *frames.back();
  const RgbaImage& buffer = into.backBuffer();
  const bool sized =
      buffer.width == frame.width && buffer.height == frame.height;
  const bool clearsFirst = lowest.ops && !lowest.ops->calls.empty() &&
                           lowest.ops->calls.front().kind == Op::Kind::Cls;
  if (lowest.base) {
    into.SetBackBuffer(*lowest.base);
  } else if (!sized || !clearsFirst) {
    into.Open(frame.width, frame.height);  // black
  }
  for (auto at = frames.rbegin(); at != frames.rend(); ++at) {
    if ((*at)->ops) ReplayCalls(*(*at)->ops, 0, into);
  }
}

void DrawListRenderer::ReplayCalls(const Ops& list, size_t from,
                                   SoftwareRenderer& into) {
  const std::vector<Op>& ops = list.calls;
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
        into.DrawText(list.chars.substr(op.textAt, op.textLength), op.x1,
                      op.y1);
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
  if (!backRasterValid_) {
    Replay(back_, *backRaster_);
  } else if (back_.ops) {
    ReplayCalls(*back_.ops, backRasterCalls_, *backRaster_);
  }
  backRasterCalls_ = back_.ops ? back_.ops->size() : 0;
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
    Replay(presented_, *presentedRaster_);
    presentedRasterValid_ = true;
  }
  return presentedRaster_->backBuffer();
}

}  // namespace zarvel
