// FontFace for the web build: the glyphs come finished from the glyph table
// made at build time by the native FontFace (the web build's resource of the
// font is its table), so measuring and drawing match the native build pixel
// for pixel. The table holds one pixel size and smoothing; asking for
// another finds no face.
#include <algorithm>

#include "media/FontFace.h"
#include "media/posix/DiskFiles.h"
#include "media/web/GlyphTable.h"

namespace zarvel {

namespace {
constexpr int kCharCount = 65536;
}  // namespace

struct FontFace::Impl {
  std::vector<std::unique_ptr<Glyph>> glyphs =
      std::vector<std::unique_ptr<Glyph>>(kCharCount);
  int glyphCount = 0;
};

std::unique_ptr<FontFace> FontFace::Load(const std::string& path, int pixelSize,
                                         bool smooth) {
  std::string bytes;
  if (!ReadDiskFile(path, bytes)) return nullptr;
  return FromBytes(std::move(bytes), pixelSize, smooth);
}

std::unique_ptr<FontFace> FontFace::FromBytes(std::string bytes, int pixelSize,
                                              bool smooth) {
  std::optional<GlyphTable> table = DecodeGlyphTable(bytes);
  if (!table || table->pixelSize != pixelSize || table->smooth != smooth) {
    return nullptr;
  }
  auto impl = std::make_unique<Impl>();
  for (GlyphTable::Entry& entry : table->glyphs) {
    impl->glyphs[entry.character] =
        std::make_unique<Glyph>(std::move(entry.glyph));
  }
  impl->glyphCount = static_cast<int>(table->glyphs.size());
  std::unique_ptr<FontFace> font(new FontFace());
  font->ascender_ = table->ascender;
  font->descender_ = table->descender;
  font->height_ = table->height;
  font->pixelSize_ = table->pixelSize;
  font->smooth_ = table->smooth;
  font->impl_ = std::move(impl);
  return font;
}

FontFace::~FontFace() = default;

const Glyph* FontFace::GetGlyph(char16_t c) { return impl_->glyphs[c].get(); }

int FontFace::AdvanceOf(char16_t c) {
  const Glyph* glyph = impl_->glyphs[c].get();
  return glyph != nullptr ? glyph->advance : 0;
}

int FontFace::TextWidthOf(const Text& text) {
  int width = 0;
  for (char16_t c : text) width += AdvanceOf(c);
  return width;
}

// Every glyph of the table was made before the page loaded.
int FontFace::glyphsMade() const { return impl_->glyphCount; }

}  // namespace zarvel
