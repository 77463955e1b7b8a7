#pragma once
// The game font: one FreeType face read from the embedded bytes at one pixel
// size, with its whole-pixel metrics and a cache of glyphs made on first use.
// Both platforms measure and draw text through it, so their layouts agree.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "media/Text.h"

namespace zarvel {

struct Glyph {
  int width = 0;  // coverage bitmap size in pixels (border included)
  int height = 0;
  int offsetX = 0;  // from the pen position to the bitmap's left edge
  int offsetY = 0;  // from the line's top to the bitmap's top edge
  int advance = 0;  // whole pixels
  std::vector<uint8_t> coverage;  // width * height, 0..255, rows top-down
};

class FontFace {
 public:
  // Reads the face from a font file's bytes and sets the pixel size,
  // lowering it one pixel at a time when FreeType refuses it. Null when the
  // face cannot be read or no size is accepted.
  static std::unique_ptr<FontFace> FromBytes(std::string bytes, int pixelSize,
                                             bool smooth);
  // The same from a file on disk.
  static std::unique_ptr<FontFace> Load(const std::string& path, int pixelSize,
                                        bool smooth);
  ~FontFace();
  FontFace(const FontFace&) = delete;
  FontFace& operator=(const FontFace&) = delete;

  int ascender() const { return ascender_; }
  int descender() const { return descender_; }
  int height() const { return height_; }
  int pixelSize() const { return pixelSize_; }
  bool smooth() const { return smooth_; }

  // The glyph of a character, made once and kept; null when the face's
  // Unicode map has no glyph for it.
  const Glyph* GetGlyph(char16_t c);
  // Sum of the advances of the characters that have a glyph. After a
  // character's first use this is one table lookup per character.
  int TextWidthOf(const Text& text);
  int AdvanceOf(char16_t c);
  // How many glyphs have been made so far (each character's at most once).
  int glyphsMade() const;

 private:
  FontFace() = default;
  struct Impl;
  std::unique_ptr<Impl> impl_;
  int ascender_ = 0;
  int descender_ = 0;
  int height_ = 0;
  int pixelSize_ = 0;
  bool smooth_ = false;
};

}  // namespace zarvel
