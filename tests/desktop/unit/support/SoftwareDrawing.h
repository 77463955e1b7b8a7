#pragma once
// Recorded frames drawn by the headless software renderer, the reference
// for every pixel, so that the desktop's rules about kept pictures can be
// checked without a display.

#include <memory>
#include <string>
#include <utility>

#include "media/EmbeddedResources.h"
#include "media/FontFace.h"
#include "media/desktop/DrawList.h"
#include "media/headless/SoftwareRenderer.h"

namespace zarvel::test_support {

// The game's font at the game's size; null when it cannot be read.
inline std::unique_ptr<FontFace> GameFont() {
  std::string bytes;
  if (!EmbeddedResources().Read("font/Ubuntu-C.ttf", bytes)) return nullptr;
  return FontFace::FromBytes(std::move(bytes), 20, true);
}

// Draws the operations over what the renderer holds (images are left out:
// these lists have none).
inline void DrawOps(const DrawList& ops, SoftwareRenderer& into) {
  for (const DrawOp& op : ops) {
    into.SetBlend(op.blend);
    into.SetColor(op.r, op.g, op.b);
    switch (op.kind) {
      case DrawOp::Kind::Cls:
        into.SetClsColor(op.r, op.g, op.b);
        into.Cls();
        break;
      case DrawOp::Kind::Rect:
        into.DrawRect(op.x1, op.y1, op.x2, op.y2);
        break;
      case DrawOp::Kind::Line:
        into.DrawLine(op.x1, op.y1, op.x2, op.y2);
        break;
      case DrawOp::Kind::Text:
        into.SetFont(op.font);
        into.DrawText(op.text, op.x1, op.y1);
        break;
      case DrawOp::Kind::Image:
        break;
    }
  }
}

// The picture of the operations drawn on a black screen.
inline RgbaImage DrawnOnBlack(const DrawList& ops, int width, int height) {
  SoftwareRenderer renderer;
  renderer.Open(width, height);
  DrawOps(ops, renderer);
  return renderer.backBuffer();
}

}  // namespace zarvel::test_support
