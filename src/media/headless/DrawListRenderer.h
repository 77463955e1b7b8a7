#pragma once
// The headless screen as draw lists: each drawing call is recorded with the
// state it was made in, and pixels are made only when someone looks at them
// (a screenshot, a pixel test). The tests and the terminal runner present
// thousands of frames that nobody looks at; recording them costs a small
// fraction of drawing them. Looking gives exactly the pixels that
// SoftwareRenderer draws for the same calls.

#include <cstdint>
#include <memory>
#include <vector>

#include "media/FontCache.h"
#include "media/Platform.h"
#include "media/PngCodec.h"
#include "media/headless/SoftwareRenderer.h"

namespace zarvel {

class DrawListRenderer {
 public:
  // The same drawing calls and state as SoftwareRenderer. Images and fonts
  // are kept by pointer: they must live as long as the renderer.
  void Open(int width, int height);
  void Present();

  void SetColor(int r, int g, int b);
  void SetClsColor(int r, int g, int b);
  void SetBlend(BlendMode mode) { blend_ = mode; }
  void SetFont(FontFace* font) { font_ = font; }

  void Cls();
  void DrawRect(float x, float y, float width, float height);
  void DrawLine(float x1, float y1, float x2, float y2);
  void DrawImage(const RgbaImage& image, float x, float y);
  void DrawText(const Text& text, float x, float y);

  Rgb color() const { return color_; }
  Rgb clsColor() const { return clsColor_; }
  BlendMode blend() const { return blend_; }
  FontFace* font() const { return font_; }

  // A software renderer whose back buffer holds every call made so far and
  // whose state is the current one.
  const SoftwareRenderer& Rasterised() const;
  // The frame given by the last Present (black before the first).
  const RgbaImage& presented() const;
  // Off, drawing calls change only the state and frames stay black: the
  // floor that benchmarks measure the recording against.
  void SetRecording(bool recording) { recording_ = recording; }
  // Calls recorded for the back buffer since it was last cleared.
  size_t pendingCalls() const { return back_.ops ? back_.ops->size() : 0; }

 private:
  struct Op {
    enum class Kind : uint8_t { Cls, Rect, Line, Image, Text };
    Kind kind = Kind::Cls;
    BlendMode blend = BlendMode::Masked;
    Rgb color;  // the clear colour for Cls
    float x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    // The pixels the call may change, right and bottom excluded.
    int left = 0, top = 0, right = 0, bottom = 0;
    const RgbaImage* image = nullptr;
    FontFace* font = nullptr;
    Text text;
  };
  using Ops = std::vector<Op>;

  // A frame is what lies under its calls (black when null, unless the
  // first call clears) and the calls. Present shares the calls with the
  // back buffer; the back buffer copies them only if drawn on again
  // without a Cls first.
  struct Frame {
    int width = 800;
    int height = 600;
    std::shared_ptr<const RgbaImage> base;
    std::shared_ptr<Ops> ops;
  };

  Op& Record(Op::Kind kind);
  // Drops the recorded calls whose pixels the opaque rectangle just
  // recorded covers: a frame redrawn in place keeps a short list.
  void DropCoveredBy(const Op& rect);
  // Draws the frame's calls from `from` on into the renderer; from 0, the
  // renderer's back buffer is first set to the frame's base.
  static void Replay(const Frame& frame, size_t from, SoftwareRenderer& into);
  void RestoreState(SoftwareRenderer& into) const;

  Frame back_;
  bool recording_ = true;
  Op discarded_;
  Frame presented_;
  Rgb color_{255, 255, 255};
  Rgb clsColor_;
  BlendMode blend_ = BlendMode::Masked;
  FontFace* font_ = nullptr;

  // Made on first look; each reuses its buffers from then on.
  mutable std::unique_ptr<SoftwareRenderer> backRaster_;
  mutable size_t backRasterCalls_ = 0;  // calls of back_ already drawn
  mutable bool backRasterValid_ = false;
  mutable std::unique_ptr<SoftwareRenderer> presentedRaster_;
  mutable bool presentedRasterValid_ = false;
};

}  // namespace zarvel
