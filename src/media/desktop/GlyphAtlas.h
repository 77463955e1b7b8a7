#pragma once
// Glyph coverage bitmaps packed into a few large alpha textures, each glyph
// uploaded once on its first use and kept for the rest of the run (the
// glyphs themselves never change, so their pointers are stable keys).

#include <SDL2/SDL_opengl.h>

#include <unordered_map>
#include <vector>

namespace zarvel {

struct Glyph;

struct AtlasSlot {
  GLuint texture = 0;
  float u0 = 0, v0 = 0, u1 = 0, v1 = 0;
};

class GlyphAtlas {
 public:
  ~GlyphAtlas() { Release(); }
  // Deletes the textures (the context must be current); glyphs are
  // uploaded again on their next use.
  void Release();
  // Uploads the glyph on first use. Requires the GL context to be current.
  const AtlasSlot& SlotOf(const Glyph& glyph);
  bool Contains(const Glyph& glyph) const { return slots_.count(&glyph) > 0; }

 private:
  // A page holds some 800 glyphs of the 20-pixel game font; the game
  // uses about 200, so one small page is the usual whole atlas.
  static constexpr int kPageSize = 512;
  void StartPage();

  std::unordered_map<const Glyph*, AtlasSlot> slots_;
  std::vector<GLuint> pages_;
  int shelfX_ = 0;
  int shelfY_ = 0;
  int shelfHeight_ = 0;
};

}  // namespace zarvel
