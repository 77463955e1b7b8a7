#include "media/desktop/GlyphAtlas.h"

#include <algorithm>

#include "media/FontFace.h"

namespace zarvel {

void GlyphAtlas::Release() {
  if (!pages_.empty()) glDeleteTextures(GLsizei(pages_.size()), pages_.data());
  pages_.clear();
  slots_.clear();
  shelfX_ = shelfY_ = shelfHeight_ = 0;
}

void GlyphAtlas::StartPage() {
  GLuint texture = 0;
  glGenTextures(1, &texture);
  glBindTexture(GL_TEXTURE_2D, texture);
  // Nearest sampling at whole-pixel positions copies the coverage exactly,
  // as the software renderer does.
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
  std::vector<unsigned char> empty(size_t(kPageSize) * kPageSize, 0);
  glTexImage2D(GL_TEXTURE_2D, 0, GL_ALPHA8, kPageSize, kPageSize, 0, GL_ALPHA,
               GL_UNSIGNED_BYTE, empty.data());
  pages_.push_back(texture);
  shelfX_ = shelfY_ = shelfHeight_ = 0;
}

const AtlasSlot& GlyphAtlas::SlotOf(const Glyph& glyph) {
  auto found = slots_.find(&glyph);
  if (found != slots_.end()) return found->second;

  // One pixel of air between glyphs keeps neighbours out of each other's
  // quads even if a driver rounds a texture coordinate the other way.
  int w = std::min(glyph.width, kPageSize - 1);
  int h = std::min(glyph.height, kPageSize - 1);
  if (pages_.empty() || shelfX_ + w + 1 > kPageSize) {
    if (!pages_.empty() && shelfY_ + shelfHeight_ + 1 + h + 1 <= kPageSize) {
      shelfY_ += shelfHeight_ + 1;
      shelfX_ = 0;
      shelfHeight_ = 0;
    } else {
      StartPage();
    }
  }
  if (shelfY_ + h + 1 > kPageSize) StartPage();

  GLuint texture = pages_.back();
  glBindTexture(GL_TEXTURE_2D, texture);
  glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
  glPixelStorei(GL_UNPACK_ROW_LENGTH, glyph.width);
  glTexSubImage2D(GL_TEXTURE_2D, 0, shelfX_, shelfY_, w, h, GL_ALPHA,
                  GL_UNSIGNED_BYTE, glyph.coverage.data());
  glPixelStorei(GL_UNPACK_ROW_LENGTH, 0);

  AtlasSlot slot;
  slot.texture = texture;
  slot.u0 = float(shelfX_) / kPageSize;
  slot.v0 = float(shelfY_) / kPageSize;
  slot.u1 = float(shelfX_ + w) / kPageSize;
  slot.v1 = float(shelfY_ + h) / kPageSize;
  shelfX_ += w + 1;
  shelfHeight_ = std::max(shelfHeight_, h);
  return slots_.emplace(&glyph, slot).first->second;
}

}  // namespace zarvel
