#pragma once
// The Platform a player runs the game on: an SDL2 window drawn with OpenGL,
// the keyboard through SDL's text input, an SDL message box, and music
// through OpenAL-soft.

#include <memory>
#include <string>
#include <vector>

#include "media/FontFace.h"
#include "media/Platform.h"
#include "media/desktop/AlMusic.h"
#include "media/desktop/InputState.h"
#include "media/desktop/InputTrace.h"
#include "media/desktop/SdlScreen.h"
#include "media/posix/DiskFiles.h"

namespace zarvel {

class DesktopPlatform : public Platform {
 public:
  explicit DesktopPlatform(ResourceSet resources);
  ~DesktopPlatform() override;

  // Starts video and sound. False, with the reason, when there is no
  // display; a missing sound device is not an error (the game runs on
  // silently).
  bool Start(std::string& error);
  // Why the last OpenScreen failed, for the player's message.
  const std::string& ScreenError() const { return screenError_; }

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
  struct DrawingState {
    uint8_t r = 255, g = 255, b = 255;
    uint8_t clearR = 0, clearG = 0, clearB = 0;
    BlendMode blend = BlendMode::Masked;
    FontHandle font = 0;
  };
  struct Ticker {
    double ticksPerSecond = 0;
    uint32_t start = 0;
    int64_t taken = 0;
  };

  void PumpEvents();
  // Blocks up to the given time for a window event to arrive.
  void AwaitEvent(int millis);
  DrawOp NewOp(DrawOp::Kind kind) const;
  FontFace* SelectedFont() const;
  void Shutdown();

  ResourceSet resources_;
  SdlScreen screen_;
  AlMusic music_;
  InputState input_;
  InputTrace inputTrace_;
  DrawingState state_;
  bool videoStarted_ = false;
  std::string screenError_;
  std::vector<ImageSize> imageSizes_;             // handle - 1
  std::vector<std::unique_ptr<FontFace>> fonts_;  // handle - 1
  std::vector<Ticker> tickers_;                   // handle - 1
  // Empty NextChar answers since the last Flip: a loop that keeps asking
  // without drawing is waiting for a key, and may as well sleep until one.
  int emptyPollsSinceFlip_ = 0;
  DiskFileStore files_;
};

}  // namespace zarvel
