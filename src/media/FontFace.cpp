#include "media/FontFace.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_BITMAP_H

#include <algorithm>

#include "media/posix/DiskFiles.h"

namespace zarvel {

namespace {

constexpr int kCharCount = 65536;
// Marks an advance that has not been looked up yet; real advances of the
// game font are small and never negative.
constexpr int32_t kUnknownAdvance = -1;

enum class GlyphState : uint8_t { Unknown, Made, Missing };

// Copies FreeType's bitmap into top-down 0..255 coverage. A 1-bit bitmap
// becomes 255 for each set bit; other grey levels are scaled to 0..255.
bool CopyCoverage(FT_Library library, const FT_Bitmap& source, Glyph& glyph,
                  int border) {
  FT_Bitmap gray;
  FT_Bitmap_Init(&gray);
  if (FT_Bitmap_Convert(library, &source, &gray, 1) != 0) {
    FT_Bitmap_Done(library, &gray);
    return false;
  }
  const int width = static_cast<int>(gray.width);
  const int rows = static_cast<int>(gray.rows);
  const int levels = std::max(2, static_cast<int>(gray.num_grays));
  glyph.width = width + 2 * border;
  glyph.height = rows + 2 * border;
  glyph.coverage.assign(static_cast<size_t>(glyph.width) * glyph.height, 0);
  for (int y = 0; y < rows; ++y) {
    // A negative pitch means the rows are stored bottom-up.
    const int sourceRow = gray.pitch >= 0 ? y : rows - 1 - y;
    const unsigned char* in =
        gray.buffer + static_cast<ptrdiff_t>(sourceRow) *
                          (gray.pitch >= 0 ? gray.pitch : -gray.pitch);
    uint8_t* out = glyph.coverage.data() +
                   static_cast<size_t>(y + border) * glyph.width + border;
    for (int x = 0; x < width; ++x) {
      out[x] = static_cast<uint8_t>(std::min(255, in[x] * 255 / (levels - 1)));
    }
  }
  FT_Bitmap_Done(library, &gray);
  return true;
}

}  // namespace

struct FontFace::Impl {
  FT_Library library = nullptr;
  FT_Face face = nullptr;
  std::string bytes;  // FreeType reads the face from here for its lifetime
  std::vector<std::unique_ptr<Glyph>> glyphs =
      std::vector<std::unique_ptr<Glyph>>(kCharCount);
  std::vector<GlyphState> states =
      std::vector<GlyphState>(kCharCount, GlyphState::Unknown);
  std::vector<int32_t> advances =
      std::vector<int32_t>(kCharCount, kUnknownAdvance);
  int glyphsMade = 0;

  ~Impl() {
    if (face != nullptr) FT_Done_Face(face);
    if (library != nullptr) FT_Done_FreeType(library);
  }
};

std::unique_ptr<FontFace> FontFace::Load(const std::string& path, int pixelSize,
                                         bool smooth) {
  std::string bytes;
  if (!ReadDiskFile(path, bytes)) return nullptr;
  return FromBytes(std::move(bytes), pixelSize, smooth);
}

std::unique_ptr<FontFace> FontFace::FromBytes(std::string bytes, int pixelSize,
                                              bool smooth) {
  auto impl = std::make_unique<Impl>();
  impl->bytes = std::move(bytes);
  if (FT_Init_FreeType(&impl->library) != 0) return nullptr;
  if (FT_New_Memory_Face(
          impl->library, reinterpret_cast<const FT_Byte*>(impl->bytes.data()),
          static_cast<FT_Long>(impl->bytes.size()), 0, &impl->face) != 0) {
    impl->face = nullptr;
    return nullptr;
  }
  // Without a Unicode map no character of the game could be found.
  if (FT_Select_Charmap(impl->face, FT_ENCODING_UNICODE) != 0) return nullptr;

  int size = pixelSize;
  while (size >= 1 && FT_Set_Pixel_Sizes(impl->face, 0, size) != 0) --size;
  if (size < 1) return nullptr;

  std::unique_ptr<FontFace> font(new FontFace());
  const FT_Size_Metrics& metrics = impl->face->size->metrics;
  // Arithmetic shifts round towards minus infinity, as the layout expects
  // (the descender of the game font is -4, not -3).
  font->ascender_ = static_cast<int>(metrics.ascender >> 6);
  font->descender_ = static_cast<int>(metrics.descender >> 6);
  font->height_ = static_cast<int>(metrics.height >> 6);
  font->pixelSize_ = size;
  font->smooth_ = smooth;
  font->impl_ = std::move(impl);
  return font;
}

FontFace::~FontFace() = default;

const Glyph* FontFace::GetGlyph(char16_t c) {
  Impl& impl = *impl_;
  switch (impl.states[c]) {
    case GlyphState::Made:
      return impl.glyphs[c].get();
    case GlyphState::Missing:
      return nullptr;
    case GlyphState::Unknown:
      break;
  }
  impl.states[c] = GlyphState::Missing;
  impl.advances[c] = 0;
  const FT_UInt index = FT_Get_Char_Index(impl.face, c);
  if (index == 0) return nullptr;
  if (FT_Load_Glyph(impl.face, index, FT_LOAD_DEFAULT | FT_LOAD_RENDER) != 0) {
    return nullptr;
  }
  const FT_GlyphSlot slot = impl.face->glyph;
  auto glyph = std::make_unique<Glyph>();
  const bool empty = slot->bitmap.width == 0 || slot->bitmap.rows == 0;
  // The border lets a filtering renderer sample past the edge pixels
  // without cutting them off; an empty bitmap (the space) stays empty.
  const int border = smooth_ && !empty ? 1 : 0;
  if (!empty && !CopyCoverage(impl.library, slot->bitmap, *glyph, border)) {
    return nullptr;
  }
  glyph->offsetX = slot->bitmap_left - border;
  glyph->offsetY = ascender_ - slot->bitmap_top - border;
  glyph->advance = static_cast<int>(slot->advance.x >> 6);
  impl.advances[c] = glyph->advance;
  impl.states[c] = GlyphState::Made;
  impl.glyphs[c] = std::move(glyph);
  ++impl.glyphsMade;
  return impl.glyphs[c].get();
}

int FontFace::AdvanceOf(char16_t c) {
  const int32_t known = impl_->advances[c];
  if (known != kUnknownAdvance) return known;
  GetGlyph(c);
  return impl_->advances[c];
}

int FontFace::TextWidthOf(const Text& text) {
  int width = 0;
  for (char16_t c : text) width += AdvanceOf(c);
  return width;
}

int FontFace::glyphsMade() const { return impl_->glyphsMade; }

}  // namespace zarvel
