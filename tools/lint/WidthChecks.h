#pragma once
// Measures words in the game font at the game's size, the way the console
// measures them when it wraps a line.

#include <memory>
#include <string>

#include "media/FontFace.h"
#include "media/ResourceSet.h"

namespace zarvel::lint {

inline constexpr int kConsoleWidth = 756;

class FontFaceWidths {
 public:
  // Null face when the font cannot be read; widths are then not checked.
  // The font is a disk path or "incbin::" + the name of one of the
  // resources.
  FontFaceWidths(const ResourceSet& resources, const std::string& fontFile);
  bool ready() const { return face_ != nullptr; }
  int WidthOf(const Text& text) { return face_->TextWidthOf(text); }

 private:
  std::unique_ptr<FontFace> face_;
};

}  // namespace zarvel::lint
