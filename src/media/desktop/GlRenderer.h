#pragma once
// Draws recorded frames with OpenGL into an off-screen canvas of the game's
// size, and copies the canvas to the window. The canvas keeps its content
// from frame to frame exactly as the software renderer's back buffer does,
// and lets a full screen larger than the game show the picture scaled and
// centred on black, without touching the game's coordinates.

#include <SDL2/SDL_opengl.h>

#include <unordered_map>

#include "media/PngCodec.h"
#include "media/desktop/DrawList.h"
#include "media/desktop/GlyphAtlas.h"

namespace zarvel {

class GlRenderer {
 public:
  GlRenderer() = default;
  ~GlRenderer();
  GlRenderer(const GlRenderer&) = delete;
  GlRenderer& operator=(const GlRenderer&) = delete;

  // Needs the GL context to be current. Makes (or remakes, when the size
  // changes) the canvas and clears it to black. False when the driver has
  // no framebuffer objects.
  bool PrepareCanvas(int width, int height);
  // Deletes every GL object while the context is still current; the image
  // pixels stay, to be uploaded again into a new context.
  void ReleaseGlObjects();
  // The pixels are kept and uploaded on the image's first draw, so images
  // may be loaded before a screen exists.
  void AddImage(ImageHandle handle, RgbaImage image);
  void Render(const DrawList& ops);
  // Copies the canvas into the window's back buffer of the given size,
  // scaled to fit with its aspect kept and centred on black. The caller
  // swaps.
  void CopyCanvasToWindow(int drawableWidth, int drawableHeight);

 private:
  struct ImageTexture {
    RgbaImage pixels;
    GLuint texture = 0;
  };
  bool LoadFramebufferFunctions();
  enum class BlendState { Masked, Alpha, Opaque };
  void ApplyBlend(BlendState wanted);
  void BindTexture(GLuint texture);
  void DrawQuad(float x0, float y0, float x1, float y1);
  void DrawTexturedQuad(float x0, float y0, float x1, float y1, float u0,
                        float v0, float u1, float v1);
  void DrawLine(const DrawOp& op);
  void DrawImage(const DrawOp& op);
  void DrawText(const DrawOp& op);

  PFNGLGENFRAMEBUFFERSPROC genFramebuffers_ = nullptr;
  PFNGLDELETEFRAMEBUFFERSPROC deleteFramebuffers_ = nullptr;
  PFNGLBINDFRAMEBUFFERPROC bindFramebuffer_ = nullptr;
  PFNGLFRAMEBUFFERTEXTURE2DPROC framebufferTexture2D_ = nullptr;
  PFNGLCHECKFRAMEBUFFERSTATUSPROC checkFramebufferStatus_ = nullptr;
  PFNGLBLITFRAMEBUFFERPROC blitFramebuffer_ = nullptr;

  GLuint framebuffer_ = 0;
  GLuint canvasTexture_ = 0;
  int width_ = 0;
  int height_ = 0;
  std::unordered_map<ImageHandle, ImageTexture> images_;
  GlyphAtlas atlas_;
  // Cached GL state between draws within one Render.
  int blendState_ = -1;
  static constexpr GLuint kUnknownTexture = ~GLuint(0);
  GLuint boundTexture_ = kUnknownTexture;
  bool inQuads_ = false;
};

}  // namespace zarvel
