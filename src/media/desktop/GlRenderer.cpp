#include "media/desktop/GlRenderer.h"

#include <SDL2/SDL.h>

#include <algorithm>
#include <cmath>

#include "media/FontFace.h"

namespace zarvel {

namespace {
// The game passes whole numbers; others land on the nearest pixel, as in
// the software renderer.
float Pixel(float coordinate) { return float(std::lround(coordinate)); }
}  // namespace

GlRenderer::~GlRenderer() { ReleaseGlObjects(); }

void GlRenderer::ReleaseGlObjects() {
  for (auto& [handle, image] : images_) {
    if (image.texture != 0) glDeleteTextures(1, &image.texture);
    image.texture = 0;
  }
  if (framebuffer_ != 0 && deleteFramebuffers_ != nullptr)
    deleteFramebuffers_(1, &framebuffer_);
  framebuffer_ = 0;
  if (canvasTexture_ != 0) glDeleteTextures(1, &canvasTexture_);
  canvasTexture_ = 0;
  canvasWidth_ = canvasHeight_ = 0;
  width_ = height_ = 0;
  useCanvas_ = false;
  atlas_.Release();
}

bool GlRenderer::LoadFramebufferFunctions() {
  if (genFramebuffers_ != nullptr) return true;
  auto load = [](const char* name) { return SDL_GL_GetProcAddress(name); };
  genFramebuffers_ =
      reinterpret_cast<PFNGLGENFRAMEBUFFERSPROC>(load("glGenFramebuffers"));
  deleteFramebuffers_ = reinterpret_cast<PFNGLDELETEFRAMEBUFFERSPROC>(
      load("glDeleteFramebuffers"));
  bindFramebuffer_ =
      reinterpret_cast<PFNGLBINDFRAMEBUFFERPROC>(load("glBindFramebuffer"));
  framebufferTexture2D_ = reinterpret_cast<PFNGLFRAMEBUFFERTEXTURE2DPROC>(
      load("glFramebufferTexture2D"));
  checkFramebufferStatus_ = reinterpret_cast<PFNGLCHECKFRAMEBUFFERSTATUSPROC>(
      load("glCheckFramebufferStatus"));
  blitFramebuffer_ =
      reinterpret_cast<PFNGLBLITFRAMEBUFFERPROC>(load("glBlitFramebuffer"));
  bool all = genFramebuffers_ && deleteFramebuffers_ && bindFramebuffer_ &&
             framebufferTexture2D_ && checkFramebufferStatus_ &&
             blitFramebuffer_;
  if (!all) genFramebuffers_ = nullptr;
  return all;
}

bool GlRenderer::Prepare(int width, int height, bool canvas) {
  width_ = width;
  height_ = height;
  useCanvas_ = false;
  bool framebuffers = LoadFramebufferFunctions();
  if (!canvas) {
    BindTarget();
    return true;
  }
  if (!framebuffers) return false;
  if (framebuffer_ == 0 || width != canvasWidth_ || height != canvasHeight_) {
    if (framebuffer_ == 0) genFramebuffers_(1, &framebuffer_);
    if (canvasTexture_ == 0) glGenTextures(1, &canvasTexture_);
    glBindTexture(GL_TEXTURE_2D, canvasTexture_);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, width, height, 0, GL_RGBA,
                 GL_UNSIGNED_BYTE, nullptr);
    bindFramebuffer_(GL_FRAMEBUFFER, framebuffer_);
    framebufferTexture2D_(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D,
                          canvasTexture_, 0);
    if (checkFramebufferStatus_(GL_FRAMEBUFFER) != GL_FRAMEBUFFER_COMPLETE)
      return false;
    canvasWidth_ = width;
    canvasHeight_ = height;
  }
  useCanvas_ = true;
  BindTarget();
  return true;
}

void GlRenderer::BindTarget() {
  if (bindFramebuffer_ != nullptr)
    bindFramebuffer_(GL_FRAMEBUFFER, useCanvas_ ? framebuffer_ : 0);
  if (!useCanvas_) glDrawBuffer(GL_BACK);
  glViewport(0, 0, width_, height_);
}

void GlRenderer::AddImage(ImageHandle handle, RgbaImage image) {
  images_[handle].pixels = std::move(image);
}

void GlRenderer::ApplyBlend(BlendState wanted) {
  if (blendState_ == int(wanted)) return;
  blendState_ = int(wanted);
  switch (wanted) {
    case BlendState::Opaque:
      glDisable(GL_BLEND);
      glDisable(GL_ALPHA_TEST);
      break;
    case BlendState::Alpha:
      glDisable(GL_ALPHA_TEST);
      glEnable(GL_BLEND);
      glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
      break;
    case BlendState::Masked:
      // A pixel is drawn opaque where its alpha is at least half, and not
      // at all elsewhere.
      glDisable(GL_BLEND);
      glEnable(GL_ALPHA_TEST);
      glAlphaFunc(GL_GEQUAL, 0.5f);
      break;
  }
}

void GlRenderer::BindTexture(GLuint texture) {
  if (texture == boundTexture_) return;
  if (texture == 0) {
    glDisable(GL_TEXTURE_2D);
  } else {
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, texture);
  }
  boundTexture_ = texture;
}

void GlRenderer::Want(GLenum mode, GLuint texture, BlendState blend) {
  if (!batches_.empty()) {
    const Batch& last = batches_.back();
    if (last.mode == mode && last.texture == texture && last.blend == blend)
      return;
  }
  Batch batch;
  batch.mode = mode;
  batch.texture = texture;
  batch.blend = blend;
  batch.first = GLint(vertices_.size());
  batches_.push_back(batch);
}

void GlRenderer::AddVertex(float x, float y, float u, float v,
                           const DrawOp& op) {
  vertices_.push_back({x, y, u, v, op.r, op.g, op.b, 255});
  ++batches_.back().count;
}

void GlRenderer::AddQuad(float x0, float y0, float x1, float y1, float u0,
                         float v0, float u1, float v1, const DrawOp& op) {
  AddVertex(x0, y0, u0, v0, op);
  AddVertex(x1, y0, u1, v0, op);
  AddVertex(x1, y1, u1, v1, op);
  AddVertex(x0, y1, u0, v1, op);
}

void GlRenderer::AddLine(const DrawOp& op, BlendState blend) {
  // Lines along an axis become one-pixel rectangles, so both end pixels
  // are drawn and a line at y lands on row y whatever the rasteriser's
  // diamond rule would do with the last pixel.
  if (op.y1 == op.y2 || op.x1 == op.x2) {
    Want(GL_QUADS, 0, blend);
    AddQuad(Pixel(std::min(op.x1, op.x2)), Pixel(std::min(op.y1, op.y2)),
            Pixel(std::max(op.x1, op.x2)) + 1,
            Pixel(std::max(op.y1, op.y2)) + 1, 0, 0, 0, 0, op);
    return;
  }
  for (GLenum mode : {GLenum(GL_LINES), GLenum(GL_POINTS)}) {
    Want(mode, 0, blend);
    AddVertex(op.x1 + 0.5f, op.y1 + 0.5f, 0, 0, op);
    AddVertex(op.x2 + 0.5f, op.y2 + 0.5f, 0, 0, op);
  }
}

GLuint GlRenderer::TextureOf(ImageTexture& image) {
  if (image.texture != 0) return image.texture;
  glGenTextures(1, &image.texture);
  glBindTexture(GL_TEXTURE_2D, image.texture);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
  glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
  glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, image.pixels.width,
               image.pixels.height, 0, GL_RGBA, GL_UNSIGNED_BYTE,
               image.pixels.pixels.data());
  boundTexture_ = kUnknownTexture;
  return image.texture;
}

void GlRenderer::AddImage(const DrawOp& op, BlendState blend) {
  auto found = images_.find(op.image);
  if (found == images_.end()) return;
  ImageTexture& image = found->second;
  if (image.pixels.width <= 0 || image.pixels.height <= 0) return;
  Want(GL_QUADS, TextureOf(image), blend);
  float x = Pixel(op.x1);
  float y = Pixel(op.y1);
  AddQuad(x, y, x + image.pixels.width, y + image.pixels.height, 0, 0, 1, 1,
          op);
}

void GlRenderer::AddText(const DrawOp& op, BlendState blend) {
  if (op.font == nullptr) return;
  int pen = int(std::lround(op.x1));
  int top = int(std::lround(op.y1));
  for (char16_t c : op.text) {
    const Glyph* glyph = op.font->GetGlyph(c);
    if (glyph == nullptr) continue;
    if (glyph->width > 0 && glyph->height > 0) {
      // A glyph's first use uploads it, which binds its page. The upload
      // comes before every draw of this frame that samples it.
      if (!atlas_.Contains(*glyph)) boundTexture_ = kUnknownTexture;
      const AtlasSlot& slot = atlas_.SlotOf(*glyph);
      Want(GL_QUADS, slot.texture, blend);
      float x = float(pen + glyph->offsetX);
      float y = float(top + glyph->offsetY);
      AddQuad(x, y, x + glyph->width, y + glyph->height, slot.u0, slot.v0,
              slot.u1, slot.v1, op);
    }
    pen += glyph->advance;
  }
}

void GlRenderer::DrawBatches() {
  if (!vertices_.empty()) {
    const Vertex* first = vertices_.data();
    glVertexPointer(2, GL_FLOAT, sizeof(Vertex), &first->x);
    glTexCoordPointer(2, GL_FLOAT, sizeof(Vertex), &first->u);
    glColorPointer(4, GL_UNSIGNED_BYTE, sizeof(Vertex), &first->r);
    for (const Batch& batch : batches_) {
      if (batch.count == 0) continue;
      ApplyBlend(batch.blend);
      BindTexture(batch.texture);
      glDrawArrays(batch.mode, batch.first, batch.count);
    }
  }
  vertices_.clear();
  batches_.clear();
}

void GlRenderer::Render(const DrawList& ops, const ScreenRect& area,
                        bool onBlack) {
  if (width_ <= 0 || height_ <= 0 || area.IsEmpty()) return;
  BindTarget();
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  glOrtho(0, width_, height_, 0, -1, 1);
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
  glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
  glDisable(GL_DEPTH_TEST);
  glDisable(GL_CULL_FACE);
  glEnable(GL_SCISSOR_TEST);
  glScissor(area.left, height_ - area.bottom, area.right - area.left,
            area.bottom - area.top);
  glEnableClientState(GL_VERTEX_ARRAY);
  glEnableClientState(GL_TEXTURE_COORD_ARRAY);
  glEnableClientState(GL_COLOR_ARRAY);
  boundTexture_ = kUnknownTexture;
  blendState_ = -1;
  vertices_.clear();
  batches_.clear();

  const bool everything = area == ScreenRect{0, 0, width_, height_};
  if (onBlack) {
    glClearColor(0, 0, 0, 1);
    glClear(GL_COLOR_BUFFER_BIT);
  }
  for (const DrawOp& op : ops) {
    if (op.kind == DrawOp::Kind::Cls) {
      DrawBatches();
      glClearColor(op.r / 255.0f, op.g / 255.0f, op.b / 255.0f, 1);
      glClear(GL_COLOR_BUFFER_BIT);
      continue;
    }
    // Outside the area the scissor would drop every pixel anyway.
    if (!everything && !AreaOf(op, width_, height_).Intersects(area)) continue;
    // Rectangles and lines are fully opaque, so blending them would give
    // the same pixels; leaving it off spares software OpenGL reading the
    // whole screen back.
    BlendState blend =
        op.blend == BlendMode::Alpha ? BlendState::Alpha : BlendState::Masked;
    switch (op.kind) {
      case DrawOp::Kind::Rect:
        Want(GL_QUADS, 0, BlendState::Opaque);
        AddQuad(Pixel(op.x1), Pixel(op.y1), Pixel(op.x1 + op.x2),
                Pixel(op.y1 + op.y2), 0, 0, 0, 0, op);
        break;
      case DrawOp::Kind::Line:
        AddLine(op, BlendState::Opaque);
        break;
      case DrawOp::Kind::Image:
        AddImage(op, blend);
        break;
      case DrawOp::Kind::Text:
        AddText(op, blend);
        break;
      case DrawOp::Kind::Cls:
        break;
    }
  }
  DrawBatches();
  glDisableClientState(GL_VERTEX_ARRAY);
  glDisableClientState(GL_TEXTURE_COORD_ARRAY);
  glDisableClientState(GL_COLOR_ARRAY);
  glDisable(GL_SCISSOR_TEST);
}

void GlRenderer::CopyRows(const RowCopy& copy) {
  if (!CanCopyRows() || copy.count <= 0) return;
  BindTarget();
  glReadBuffer(GL_BACK);
  glDisable(GL_SCISSOR_TEST);  // a blit is scissored too
  // GL counts rows from the bottom.
  const int from = height_ - copy.from - copy.count;
  const int to = height_ - copy.to - copy.count;
  blitFramebuffer_(0, from, width_, from + copy.count, 0, to, width_,
                   to + copy.count, GL_COLOR_BUFFER_BIT, GL_NEAREST);
}

void GlRenderer::CopyCanvasToWindow(int drawableWidth, int drawableHeight) {
  bindFramebuffer_(GL_DRAW_FRAMEBUFFER, 0);
  glDrawBuffer(GL_BACK);
  glViewport(0, 0, drawableWidth, drawableHeight);
  glDisable(GL_SCISSOR_TEST);
  glClearColor(0, 0, 0, 1);
  glClear(GL_COLOR_BUFFER_BIT);
  bindFramebuffer_(GL_READ_FRAMEBUFFER, framebuffer_);
  if (drawableWidth == width_ && drawableHeight == height_) {
    blitFramebuffer_(0, 0, width_, height_, 0, 0, width_, height_,
                     GL_COLOR_BUFFER_BIT, GL_NEAREST);
  } else {
    double scale = std::min(double(drawableWidth) / width_,
                            double(drawableHeight) / height_);
    int w = int(std::lround(width_ * scale));
    int h = int(std::lround(height_ * scale));
    int x = (drawableWidth - w) / 2;
    int y = (drawableHeight - h) / 2;
    blitFramebuffer_(0, 0, width_, height_, x, y, x + w, y + h,
                     GL_COLOR_BUFFER_BIT, GL_LINEAR);
  }
  bindFramebuffer_(GL_FRAMEBUFFER, framebuffer_);
}

}  // namespace zarvel
