#pragma once
// The Platform of the web page: the software renderer's frames shown on
// an 800 x 600 canvas, the keyboard from the page's events, the browser's
// animation frames for the pace, Web Audio for the music, a page dialog for
// the confirmation and IndexedDB for the position files. The program runs
// on the page's one thread; every wait gives the browser its turn
// (Asyncify), so nothing in the page spins.

#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "media/FontFace.h"
#include "media/FramePacer.h"
#include "media/ImageList.h"
#include "media/Platform.h"
#include "media/PngCodec.h"
#include "media/desktop/InputState.h"
#include "media/headless/SoftwareRenderer.h"
#include "media/web/StoredFiles.h"

namespace zarvel {

class WebPlatform : public Platform {
 public:
  // The game's resources; position files go to `filesFolder`, a folder the
  // page keeps in IndexedDB.
  WebPlatform(ResourceSet resources, std::string filesFolder);

  void SetWindowTitle(const std::u16string& title) override;
  void SetMouseVisible(bool visible) override;
  bool OpenScreen(int width, int height, int depth, int rate) override;
  void Flip() override;
  void Cls() override;
  void SetClsColor(int r, int g, int b) override;
  void SetColor(int r, int g, int b) override;
  void SetBlend(BlendMode mode) override;
  void DrawRect(float x, float y, float width, float height) override;
  void DrawLine(float x1, float y1, float x2, float y2) override;

  ImageHandle LoadImageResource(const std::string& name) override;
  ImageSize GetImageSize(ImageHandle image) override;
  void DrawImageAt(ImageHandle image, float x, float y) override;

  int NextChar() override;
  bool IsKeyDown(int keyCode) override;
  void DiscardInput() override;
  void WaitKeyPress() override;
  bool SkipsKeyWaits() override { return false; }
  bool TakeCloseRequest() override;
  bool Confirm(const std::u16string& text, bool serious) override;

  int32_t ClockMillis() override;
  void SleepMillis(int millis) override;
  TickerHandle CreateTicker(double ticksPerSecond) override;
  int WaitTick(TickerHandle ticker) override;
  void TraceLine(const std::u16string& text) override;
  [[noreturn]] void EndProgram() override;
  FileStore& Files() override { return files_; }
  ResourceSet& Resources() override { return resources_; }

  FontHandle LoadFontResource(const std::string& name, int pixelSize,
                              bool smooth) override;
  void SelectFont(FontHandle font) override;
  void DrawTextAt(const std::u16string& text, float x, float y) override;
  int TextWidthOf(const std::u16string& text) override;
  int FontHeight() override;

  SoundHandle LoadSound(const std::string& name, bool loop) override;
  ChannelHandle Play(SoundHandle sound) override;
  void SetPaused(ChannelHandle channel, bool paused) override;
  void SetVolume(ChannelHandle channel, float volume) override;

 private:
  struct Ticker {
    double ticksPerSecond = 0;
    double start = 0;
    int64_t taken = 0;
  };

  void PumpEvents();
  double Now() const;
  // Shows the back buffer unless the canvas shows those pixels already.
  void PresentIfChanged();

  ResourceSet resources_;
  SoftwareRenderer renderer_;
  FramePacer pacer_;
  InputState input_;
  StoredFiles files_;
  std::vector<uint8_t> shown_;                    // the pixels on the canvas
  ImageList images_;                              // drawn by reference
  std::vector<std::unique_ptr<FontFace>> fonts_;  // handle - 1
  std::vector<Ticker> tickers_;                   // handle - 1
  int soundCount_ = 0;
  int channelCount_ = 0;
  // Empty NextChar answers since the last Flip: a loop that keeps asking
  // without drawing is waiting for a key, and waits for input instead.
  int emptyPollsSinceFlip_ = 0;
};

}  // namespace zarvel
