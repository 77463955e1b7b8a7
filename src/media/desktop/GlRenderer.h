#pragma once
// Draws recorded frames with OpenGL. Each run of operations that share a
// texture and a blend mode becomes one vertex array drawn with one call:
// software OpenGL pays for every call and every vertex handed over one by
// one far more than for the pixels of a glyph.
//
// The target is the window's back buffer when the window is the game's
// size. A full screen larger than the game draws into an off-screen canvas
// of the game's size instead, copied to the window scaled and centred on
// black, without touching the game's coordinates.

#include <SDL2/SDL_opengl.h>

#include <unordered_map>
#include <vector>

#include "media/PngCodec.h"
#include "media/desktop/DrawList.h"
#include "media/desktop/GlyphAtlas.h"
#include "media/desktop/ScrollPlan.h"

namespace zarvel {

class GlRenderer {
 public:
  GlRenderer() = default;
  ~GlRenderer();
  GlRenderer(const GlRenderer&) = delete;
  GlRenderer& operator=(const GlRenderer&) = delete;

  // Needs the GL context to be current. Sets the game's size; with a
  // canvas, makes (or remakes) it. False when a canvas is wanted and the
  // driver has no framebuffer objects.
  bool Prepare(int width, int height, bool canvas);
  bool usesCanvas() const { return useCanvas_; }
  // Deletes every GL object while the context is still current; the image
  // pixels stay, to be uploaded again into a new context.
  void ReleaseGlObjects();
  // The pixels are kept and uploaded on the image's first draw, so images
  // may be loaded before a screen exists.
  void AddImage(ImageHandle handle, RgbaImage image);
  // Draws the list into the target, on black unless the list paints every
  // pixel itself; only the pixels inside `area` change.
  void Render(const DrawList& ops, const ScreenRect& area, bool onBlack);
  // Whether CopyRows works: drawing straight into the window with
  // framebuffer blits at hand.
  bool CanCopyRows() const {
    return !useCanvas_ && blitFramebuffer_ != nullptr && width_ > 0;
  }
  // Copies rows of the target across its whole width; the rows copied from
  // and to must not overlap (a blit within one buffer is undefined there).
  void CopyRows(const RowCopy& copy);
  // Copies the canvas into the window's back buffer of the given size,
  // scaled to fit with its aspect kept and centred on black. The caller
  // swaps.
  void CopyCanvasToWindow(int drawableWidth, int drawableHeight);

 private:
  struct ImageTexture {
    RgbaImage pixels;
    GLuint texture = 0;
  };
  enum class BlendState { Masked, Alpha, Opaque };
  struct Vertex {
    GLfloat x, y, u, v;
    GLubyte r, g, b, a;
  };
  // Vertices drawn with one call.
  struct Batch {
    GLenum mode = GL_QUADS;
    GLuint texture = 0;
    BlendState blend = BlendState::Opaque;
    GLint first = 0;
    GLsizei count = 0;
  };

  bool LoadFramebufferFunctions();
  void BindTarget();
  void ApplyBlend(BlendState wanted);
  void BindTexture(GLuint texture);
  // Starts a batch unless the last one fits.
  void Want(GLenum mode, GLuint texture, BlendState blend);
  void AddVertex(float x, float y, float u, float v, const DrawOp& op);
  void AddQuad(float x0, float y0, float x1, float y1, float u0, float v0,
               float u1, float v1, const DrawOp& op);
  void AddLine(const DrawOp& op, BlendState blend);
  void AddImage(const DrawOp& op, BlendState blend);
  void AddText(const DrawOp& op, BlendState blend);
  // Draws the batches gathered so far and starts afresh.
  void DrawBatches();
  GLuint TextureOf(ImageTexture& image);

  PFNGLGENFRAMEBUFFERSPROC genFramebuffers_ = nullptr;
  PFNGLDELETEFRAMEBUFFERSPROC deleteFramebuffers_ = nullptr;
  PFNGLBINDFRAMEBUFFERPROC bindFramebuffer_ = nullptr;
  PFNGLFRAMEBUFFERTEXTURE2DPROC framebufferTexture2D_ = nullptr;
  PFNGLCHECKFRAMEBUFFERSTATUSPROC checkFramebufferStatus_ = nullptr;
  PFNGLBLITFRAMEBUFFERPROC blitFramebuffer_ = nullptr;

  bool useCanvas_ = false;
  GLuint framebuffer_ = 0;
  GLuint canvasTexture_ = 0;
  int canvasWidth_ = 0;
  int canvasHeight_ = 0;
  int width_ = 0;
  int height_ = 0;
  std::unordered_map<ImageHandle, ImageTexture> images_;
  GlyphAtlas atlas_;
  std::vector<Vertex> vertices_;
  std::vector<Batch> batches_;
  // GL state cached within one Render.
  int blendState_ = -1;
  static constexpr GLuint kUnknownTexture = ~GLuint(0);
  GLuint boundTexture_ = kUnknownTexture;
};

}  // namespace zarvel
