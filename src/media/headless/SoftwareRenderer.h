#pragma once
// Draws the game's frames into memory, with the drawing rules of the
// desktop renderer: rectangles without their right and bottom edges,
// one-pixel lines with both ends, images tinted by the colour, glyph
// coverage as alpha, and the two blend modes. The screen is opaque, so the
// frame's alpha channel stays 255.

#include <cstdint>

#include "media/FontFace.h"
#include "media/Platform.h"
#include "media/PngCodec.h"

namespace zarvel {

struct Rgb {
  uint8_t r = 0;
  uint8_t g = 0;
  uint8_t b = 0;
  bool operator==(const Rgb&) const = default;
};

class SoftwareRenderer {
 public:
  SoftwareRenderer();

  // A new black back buffer of that size and the drawing state of a new
  // screen: colour white, clear colour black, masked blending, no font.
  void Open(int width, int height);
  // Copies the back buffer to the presented frame.
  void Present();
  // Replaces the back buffer with a copy of the image (its size included).
  void SetBackBuffer(const RgbaImage& image) { back_ = image; }

  void SetColor(int r, int g, int b);
  void SetClsColor(int r, int g, int b);
  void SetBlend(BlendMode mode) { blend_ = mode; }
  void SetFont(FontFace* font) { font_ = font; }

  void Cls();
  void DrawRect(float x, float y, float width, float height);
  void DrawLine(float x1, float y1, float x2, float y2);
  void DrawImage(const RgbaImage& image, float x, float y);
  // Draws each character's glyph at the pen and moves the pen by its
  // advance; characters without a glyph are skipped.
  void DrawText(const Text& text, float x, float y);

  Rgb color() const { return color_; }
  Rgb clsColor() const { return clsColor_; }
  BlendMode blend() const { return blend_; }
  FontFace* font() const { return font_; }
  const RgbaImage& backBuffer() const { return back_; }
  const RgbaImage& presented() const { return presented_; }
  // The colour of a back-buffer pixel; black outside the frame.
  Rgb PixelAt(int x, int y) const;

 private:
  // Fills the back buffer with one opaque colour.
  void Fill(Rgb colour);
  // The part of a box at (left, top) that lies on the screen, in the box's
  // own columns and rows.
  struct Clip {
    int firstColumn = 0, endColumn = 0, firstRow = 0, endRow = 0;
  };
  Clip ClipBox(int left, int top, int width, int height) const;
  // Combines one source pixel (already tinted) with the back buffer.
  void Plot(int x, int y, Rgb source, int alpha);
  void Combine(uint8_t* pixel, Rgb source, int alpha) const;

  RgbaImage back_;
  RgbaImage presented_;
  Rgb color_;
  Rgb clsColor_;
  BlendMode blend_ = BlendMode::Masked;
  FontFace* font_ = nullptr;
};

}  // namespace zarvel
