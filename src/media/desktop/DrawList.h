#pragma once
// One frame's drawing, recorded instead of drawn at once. Software OpenGL
// spends far more time rasterising than the game spends deciding what to
// draw, and most frames at the command prompt are exact repeats of the one
// before or differ only in the command line; recording lets Flip skip the
// rendering of a frame that would come out identical, and redraw only the
// area where a frame differs from the one on screen.

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

// A box of screen pixels; right and bottom excluded.
struct ScreenRect {
  int left = 0, top = 0, right = 0, bottom = 0;

  bool IsEmpty() const { return right <= left || bottom <= top; }
  bool Intersects(const ScreenRect& other) const;
  // Grows to the smallest box holding both.
  void Include(const ScreenRect& other);
  bool operator==(const ScreenRect&) const = default;
};

// Every pixel the operation may change, clipped to the screen (all of it
// for a clear).
ScreenRect AreaOf(const DrawOp& op, int width, int height);

// Where the two lists, each drawn on a black screen, may give different
// pictures: the box round the operations between their longest common
// start and end. Empty when the lists are equal.
ScreenRect ChangedArea(const DrawList& before, const DrawList& after, int width,
                       int height);

// Whether the list paints every pixel opaque (a clear, or bands that
// meet), so that what was on the screen before cannot show through.
bool PaintsEveryPixel(const DrawList& ops, int width, int height);

// The screen's picture as a list drawn on black, after `frame` is drawn
// over the picture `shown`. A frame that paints every pixel opaque (a
// clear, or bands that meet) is the whole picture; otherwise the frame is
// appended, and every earlier operation whose whole area it paints over
// opaque is left out, so that a part of the screen redrawn again and again
// does not make the list grow.
DrawList NextPicture(const DrawList& shown, DrawList&& frame, int width,
                     int height);

}  // namespace zarvel
