#pragma once
// The game font as a table of finished glyphs: made at build time by the
// native FontFace (FreeType) and read in the browser, where FreeType does
// not run, so both draw the very same coverage at the same places.
//
// Format, little-endian: "ZGLYPHS1", then int32 pixel size, smooth (0/1),
// ascender, descender, height, glyph count; then per glyph uint16
// character, int32 width, height, offsetX, offsetY, advance, and
// width * height coverage bytes.

#include <optional>
#include <string>
#include <vector>

#include "media/FontFace.h"

namespace zarvel {

struct GlyphTable {
  struct Entry {
    char16_t character = 0;
    Glyph glyph;
  };
  int pixelSize = 0;
  bool smooth = false;
  int ascender = 0;
  int descender = 0;
  int height = 0;
  std::vector<Entry> glyphs;  // characters without a glyph are left out
};

std::string EncodeGlyphTable(const GlyphTable& table);
// Nothing when the bytes are not a whole glyph table.
std::optional<GlyphTable> DecodeGlyphTable(const std::string& bytes);

}  // namespace zarvel
