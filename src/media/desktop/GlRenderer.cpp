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
  width_ = height_ = 0;
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
  return genFramebuffers_ && deleteFramebuffers_ && bindFramebuffer_ &&
         framebufferTexture2D_ && checkFramebufferStatus_ && blitFramebuffer_;
}

bool GlRenderer::PrepareCanvas(int width, int height) {
  if (!LoadFramebufferFunctions()) return false;
  if (framebuffer_ == 0 || width != width_ || height != height_) {
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
    width_ = width;
    height_ = height;
  }
  bindFramebuffer_(GL_FRAMEBUFFER, framebuffer_);
  glViewport(0, 0, width_, height_);
  glClearColor(0, 0, 0, 1);
  glClear(GL_COLOR_BUFFER_BIT);
  return true;
}

void GlRenderer::AddImage(ImageHandle handle, RgbaImage image) {
  images_[handle].pixels = std::move(image);
}

void GlRenderer::ApplyBlend(BlendState wanted) {
  if (blendState_ == int(wanted)) return;
  if (inQuads_) {
    glEnd();
    inQuads_ = false;
  }
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
  if (inQuads_) {
    glEnd();
    inQuads_ = false;
  }
  if (texture == 0) {
    glDisable(GL_TEXTURE_2D);
  } else {
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, texture);
  }
  boundTexture_ = texture;
}

void GlRenderer::DrawQuad(float x0, float y0, float x1, float y1) {
  if (!inQuads_) {
    glBegin(GL_QUADS);
    inQuads_ = true;
  }
  glVertex2f(x0, y0);
  glVertex2f(x1, y0);
  glVertex2f(x1, y1);
  glVertex2f(x0, y1);
}

void GlRenderer::DrawTexturedQuad(float x0, float y0, float x1, float y1,
                                  float u0, float v0, float u1, float v1) {
  if (!inQuads_) {
    glBegin(GL_QUADS);
    inQuads_ = true;
  }
  glTexCoord2f(u0, v0);
  glVertex2f(x0, y0);
  glTexCoord2f(u1, v0);
  glVertex2f(x1, y0);
  glTexCoord2f(u1, v1);
  glVertex2f(x1, y1);
  glTexCoord2f(u0, v1);
  glVertex2f(x0, y1);
}

void GlRenderer::DrawLine(const DrawOp& op) {
  // Lines along an axis become one-pixel rectangles, so both end pixels
  // are drawn and a line at y lands on row y whatever the rasteriser's
  // diamond rule would do with the last pixel.
  if (op.y1 == op.y2 || op.x1 == op.x2) {
    float x0 = Pixel(std::min(op.x1, op.x2));
    float y0 = Pixel(std::min(op.y1, op.y2));
    float x1 = Pixel(std::max(op.x1, op.x2)) + 1;
    float y1 = Pixel(std::max(op.y1, op.y2)) + 1;
    DrawQuad(x0, y0, x1, y1);
    return;
  }
  if (inQuads_) {
    glEnd();
    inQuads_ = false;
  }
  glBegin(GL_LINES);
  glVertex2f(op.x1 + 0.5f, op.y1 + 0.5f);
  glVertex2f(op.x2 + 0.5f, op.y2 + 0.5f);
  glEnd();
  glBegin(GL_POINTS);
  glVertex2f(op.x1 + 0.5f, op.y1 + 0.5f);
  glVertex2f(op.x2 + 0.5f, op.y2 + 0.5f);
  glEnd();
}

void GlRenderer::DrawImage(const DrawOp& op) {
  auto found = images_.find(op.image);
  if (found == images_.end()) return;
  ImageTexture& image = found->second;
  if (image.pixels.width <= 0 || image.pixels.height <= 0) return;
  if (image.texture == 0) {
    if (inQuads_) {
      glEnd();
      inQuads_ = false;
    }
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
  }
  BindTexture(image.texture);
  float x = Pixel(op.x1);
  float y = Pixel(op.y1);
  DrawTexturedQuad(x, y, x + image.pixels.width, y + image.pixels.height, 0, 0,
                   1, 1);
}

void GlRenderer::DrawText(const DrawOp& op) {
  if (op.font == nullptr) return;
  int pen = int(std::lround(op.x1));
  int top = int(std::lround(op.y1));
  for (char16_t c : op.text) {
    const Glyph* glyph = op.font->GetGlyph(c);
    if (glyph == nullptr) continue;
    if (glyph->width > 0 && glyph->height > 0) {
      if (!atlas_.Contains(*glyph)) {
        // Uploading must not happen inside glBegin/glEnd, and it changes
        // the bound texture.
        if (inQuads_) {
          glEnd();
          inQuads_ = false;
        }
        atlas_.SlotOf(*glyph);
        boundTexture_ = kUnknownTexture;
      }
      const AtlasSlot& slot = atlas_.SlotOf(*glyph);
      BindTexture(slot.texture);
      float x = float(pen + glyph->offsetX);
      float y = float(top + glyph->offsetY);
      DrawTexturedQuad(x, y, x + glyph->width, y + glyph->height, slot.u0,
                       slot.v0, slot.u1, slot.v1);
    }
    pen += glyph->advance;
  }
}

void GlRenderer::Render(const DrawList& ops) {
  bindFramebuffer_(GL_FRAMEBUFFER, framebuffer_);
  glViewport(0, 0, width_, height_);
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  glOrtho(0, width_, height_, 0, -1, 1);
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
  glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
  glDisable(GL_DEPTH_TEST);
  glDisable(GL_CULL_FACE);
  boundTexture_ = kUnknownTexture;
  blendState_ = -1;
  inQuads_ = false;

  for (const DrawOp& op : ops) {
    if (op.kind == DrawOp::Kind::Cls) {
      if (inQuads_) {
        glEnd();
        inQuads_ = false;
      }
      glClearColor(op.r / 255.0f, op.g / 255.0f, op.b / 255.0f, 1);
      glClear(GL_COLOR_BUFFER_BIT);
      continue;
    }
    // Rectangles and lines are fully opaque, so blending them would give
    // the same pixels; leaving it off spares software OpenGL reading the
    // whole screen back.
    bool opaque =
        op.kind == DrawOp::Kind::Rect || op.kind == DrawOp::Kind::Line;
    ApplyBlend(opaque                         ? BlendState::Opaque
               : op.blend == BlendMode::Alpha ? BlendState::Alpha
                                              : BlendState::Masked);
    glColor4ub(op.r, op.g, op.b, 255);
    switch (op.kind) {
      case DrawOp::Kind::Rect:
        BindTexture(0);
        DrawQuad(Pixel(op.x1), Pixel(op.y1), Pixel(op.x1 + op.x2),
                 Pixel(op.y1 + op.y2));
        break;
      case DrawOp::Kind::Line:
        BindTexture(0);
        DrawLine(op);
        break;
      case DrawOp::Kind::Image:
        DrawImage(op);
        break;
      case DrawOp::Kind::Text:
        DrawText(op);
        break;
      case DrawOp::Kind::Cls:
        break;
    }
  }
  if (inQuads_) glEnd();
  inQuads_ = false;
}

void GlRenderer::CopyCanvasToWindow(int drawableWidth, int drawableHeight) {
  bindFramebuffer_(GL_DRAW_FRAMEBUFFER, 0);
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
