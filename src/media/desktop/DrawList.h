#pragma once
// One frame's drawing, recorded instead of drawn at once. Software OpenGL
// spends far more time rasterising than the game spends deciding what to
// draw, and most frames at the command prompt are exact repeats of the one
// before; recording lets Flip skip the rendering (and the presenting) of a
// frame that would come out identical.

#include <cstdint>
#include <vector>

#include "media/Platform.h"
#include "media/Text.h"

namespace zarvel {

class FontFace;

struct DrawOp {
  enum class Kind : uint8_t { Cls, Rect, Line, Image, Text };
  Kind kind = Kind::Cls;
  BlendMode blend = BlendMode::Masked;
  uint8_t r = 255, g = 255, b = 255;     // the clear colour for Cls
  float x1 = 0, y1 = 0, x2 = 0, y2 = 0;  // Rect: x, y, width, height
  ImageHandle image = 0;
  int imageWidth = 0, imageHeight = 0;
  FontFace* font = nullptr;
  Text text;

  bool operator==(const DrawOp&) const = default;
};

using DrawList = std::vector<DrawOp>;

// Whether drawing the list onto any back buffer gives the same picture: true
// when every blended image or text lands only on pixels that something
// opaque earlier in the same list has painted. Only then may a repeat of the
// list be skipped, because a repeat of a blended picture drawn over its own
// result would otherwise darken or thicken it.
bool IsSelfContained(const DrawList& ops, int width, int height);

}  // namespace zarvel
