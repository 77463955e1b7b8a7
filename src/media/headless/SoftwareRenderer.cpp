#include "media/headless/SoftwareRenderer.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace zarvel {

namespace {

constexpr int kOpaque = 255;
// The masked mode draws a pixel when at least half opaque, unblended.
constexpr int kMaskThreshold = 128;

uint8_t Channel(int value) {
  return static_cast<uint8_t>(std::clamp(value, 0, 255));
}

// The game passes whole numbers; rounding keeps others on the nearest pixel.
int ToPixel(float coordinate) {
  return static_cast<int>(std::lround(coordinate));
}

// a * b / 255, rounded: the tint of a channel and the weights of blending.
int Scale255(int a, int b) { return (a * b + 127) / 255; }

}  // namespace

SoftwareRenderer::SoftwareRenderer() { Open(800, 600); }

void SoftwareRenderer::Open(int width, int height) {
  back_.width = width;
  back_.height = height;
  back_.pixels.assign(static_cast<size_t>(width) * height * 4, 0);
  for (size_t at = 3; at < back_.pixels.size(); at += 4) {
    back_.pixels[at] = kOpaque;
  }
  if (presented_.width != width || presented_.height != height) {
    presented_ = back_;
  }
  color_ = {255, 255, 255};
  clsColor_ = {0, 0, 0};
  blend_ = BlendMode::Masked;
  font_ = nullptr;
}

void SoftwareRenderer::Present() { presented_.pixels = back_.pixels; }

void SoftwareRenderer::SetColor(int r, int g, int b) {
  color_ = {Channel(r), Channel(g), Channel(b)};
}

void SoftwareRenderer::SetClsColor(int r, int g, int b) {
  clsColor_ = {Channel(r), Channel(g), Channel(b)};
}

void SoftwareRenderer::Cls() {
  // Every frame starts here: one pixel is set and then copied in doubling
  // blocks, which keeps the clearing cheap also in unoptimised builds.
  std::vector<uint8_t>& pixels = back_.pixels;
  if (pixels.size() < 4) return;
  pixels[0] = clsColor_.r;
  pixels[1] = clsColor_.g;
  pixels[2] = clsColor_.b;
  pixels[3] = kOpaque;
  for (size_t done = 4; done < pixels.size(); done *= 2) {
    const size_t count = std::min(done, pixels.size() - done);
    std::memcpy(pixels.data() + done, pixels.data(), count);
  }
}

void SoftwareRenderer::Plot(int x, int y, Rgb source, int alpha) {
  if (x < 0 || y < 0 || x >= back_.width || y >= back_.height) return;
  uint8_t* pixel =
      back_.pixels.data() + (static_cast<size_t>(y) * back_.width + x) * 4;
  if (blend_ == BlendMode::Masked || alpha >= kOpaque) {
    if (alpha < kMaskThreshold) return;
    pixel[0] = source.r;
    pixel[1] = source.g;
    pixel[2] = source.b;
    return;
  }
  if (alpha <= 0) return;
  const int keep = kOpaque - alpha;
  pixel[0] = Channel((source.r * alpha + pixel[0] * keep + 127) / 255);
  pixel[1] = Channel((source.g * alpha + pixel[1] * keep + 127) / 255);
  pixel[2] = Channel((source.b * alpha + pixel[2] * keep + 127) / 255);
}

void SoftwareRenderer::DrawRect(float x, float y, float width, float height) {
  int left = ToPixel(x);
  int top = ToPixel(y);
  int right = ToPixel(x + width);  // excluded
  int bottom = ToPixel(y + height);
  if (right < left) std::swap(left, right);
  if (bottom < top) std::swap(top, bottom);
  left = std::max(left, 0);
  top = std::max(top, 0);
  right = std::min(right, back_.width);
  bottom = std::min(bottom, back_.height);
  if (right <= left || bottom <= top) return;
  // Rectangles are opaque in both blend modes, so each row is a plain copy
  // of one prepared run of pixels: the game fills most of the screen this
  // way every frame.
  const size_t runBytes = static_cast<size_t>(right - left) * 4;
  std::vector<uint8_t> run(runBytes);
  for (size_t at = 0; at < runBytes; at += 4) {
    run[at] = color_.r;
    run[at + 1] = color_.g;
    run[at + 2] = color_.b;
    run[at + 3] = kOpaque;
  }
  for (int row = top; row < bottom; ++row) {
    std::memcpy(back_.pixels.data() +
                    (static_cast<size_t>(row) * back_.width + left) * 4,
                run.data(), runBytes);
  }
}

void SoftwareRenderer::DrawLine(float x1, float y1, float x2, float y2) {
  // Bresenham's walk from end to end, both end pixels included.
  int x = ToPixel(x1);
  int y = ToPixel(y1);
  const int endX = ToPixel(x2);
  const int endY = ToPixel(y2);
  const int dx = std::abs(endX - x);
  const int dy = -std::abs(endY - y);
  const int stepX = x < endX ? 1 : -1;
  const int stepY = y < endY ? 1 : -1;
  int error = dx + dy;
  for (;;) {
    Plot(x, y, color_, kOpaque);
    if (x == endX && y == endY) break;
    const int twice = 2 * error;
    if (twice >= dy) {
      error += dy;
      x += stepX;
    }
    if (twice <= dx) {
      error += dx;
      y += stepY;
    }
  }
}

void SoftwareRenderer::DrawImage(const RgbaImage& image, float x, float y) {
  const int left = ToPixel(x);
  const int top = ToPixel(y);
  for (int row = 0; row < image.height; ++row) {
    const uint8_t* in =
        image.pixels.data() + static_cast<size_t>(row) * image.width * 4;
    for (int column = 0; column < image.width; ++column, in += 4) {
      const Rgb tinted{static_cast<uint8_t>(Scale255(in[0], color_.r)),
                       static_cast<uint8_t>(Scale255(in[1], color_.g)),
                       static_cast<uint8_t>(Scale255(in[2], color_.b))};
      Plot(left + column, top + row, tinted, in[3]);
    }
  }
}

void SoftwareRenderer::DrawText(const Text& text, float x, float y) {
  if (font_ == nullptr) return;
  int pen = ToPixel(x);
  const int top = ToPixel(y);
  for (char16_t c : text) {
    const Glyph* glyph = font_->GetGlyph(c);
    if (glyph == nullptr) continue;
    const int left = pen + glyph->offsetX;
    const int glyphTop = top + glyph->offsetY;
    for (int row = 0; row < glyph->height; ++row) {
      const uint8_t* coverage =
          glyph->coverage.data() + static_cast<size_t>(row) * glyph->width;
      for (int column = 0; column < glyph->width; ++column) {
        Plot(left + column, glyphTop + row, color_, coverage[column]);
      }
    }
    pen += glyph->advance;
  }
}

Rgb SoftwareRenderer::PixelAt(int x, int y) const {
  if (x < 0 || y < 0 || x >= back_.width || y >= back_.height) return {};
  const uint8_t* pixel =
      back_.pixels.data() + (static_cast<size_t>(y) * back_.width + x) * 4;
  return {pixel[0], pixel[1], pixel[2]};
}

}  // namespace zarvel
