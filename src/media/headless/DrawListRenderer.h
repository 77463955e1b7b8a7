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

#include "media/FontFace.h"
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
  size_t pendingCalls() const { return back_.calls(); }

 private:
  struct Op {
    enum class Kind : uint8_t { Cls, Rect, Line, Image, Text };
    Kind kind = Kind::Cls;
    BlendMode blend = BlendMode::Masked;
    Rgb color;  // the clear colour for Cls
    float x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    const RgbaImage* image = nullptr;
    FontFace* font = nullptr;
    // The text's characters in the list's `chars`.
    uint32_t textAt = 0;
    uint32_t textLength = 0;
  };
  // Plain calls and one buffer of their texts: copying and dropping calls
  // moves no strings.
  struct Ops {
    std::vector<Op> calls;
    Text chars;
    size_t size() const { return calls.size(); }
  };

  // A frame is its calls drawn over the frame it was drawn on (`under`,
  // shared with what was presented then), over `base` (black when null,
  // unless the first call clears). Drawing on after a Present starts new
  // calls over the presented frame instead of copying it.
  struct Frame {
    int width = 800;
    int height = 600;
    std::shared_ptr<const RgbaImage> base;
    std::shared_ptr<const Frame> under;
    size_t underCalls = 0;  // calls in the frames under this one
    std::shared_ptr<Ops> ops;
    size_t calls() const { return underCalls + (ops ? ops->size() : 0); }
  };

  Op& Record(Op::Kind kind);
  // Notes an opaque rectangle across the whole width (a band). Once the
  // bands recorded since the first of them cover every row, the calls
  // before that first band are dropped: a frame redrawn in bands without a
  // Cls, as the game screen is, keeps a list of one frame.
  void NoteBand(const Op& rect);
  // Draws the frame with the frames under it into the renderer, the
  // renderer's back buffer first set to the lowest frame's base.
  static void Replay(const Frame& frame, SoftwareRenderer& into);
  // Draws the calls from `from` on.
  static void ReplayCalls(const Ops& list, size_t from, SoftwareRenderer& into);
  void RestoreState(SoftwareRenderer& into) const;

  Frame back_;
  bool recording_ = true;
  static constexpr size_t kNoBand = SIZE_MAX;
  size_t firstBand_ = kNoBand;     // in back_'s calls
  std::vector<uint8_t> bandRows_;  // rows covered by bands since firstBand_
  int rowsInBands_ = 0;
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
