#pragma once
// The platform without a machine behind it, for the tests and the terminal
// runner: a virtual clock, the keyboard from a key script, a software
// renderer, sounds that decode and play silently, and a record of the
// calls a test wants to see (trace lines, confirmations, close requests,
// the end of the program).

#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "media/FontFace.h"
#include "media/FramePacer.h"
#include "media/ImageList.h"
#include "media/OggDecoder.h"
#include "media/Platform.h"
#include "media/PngCodec.h"
#include "media/headless/DrawListRenderer.h"
#include "media/headless/ScriptedKeyboard.h"
#include "media/headless/SoftwareRenderer.h"
#include "media/headless/VirtualClock.h"
#include "media/posix/DiskFiles.h"

namespace zarvel {

class HeadlessPlatform : public Platform {
 public:
  // Receives each trace line and "[confirm] " + each confirmation text,
  // UTF-8, in the order the program made them.
  using OutputSink = std::function<void(const std::string& utf8)>;

  struct Observed {
    enum class Kind { Trace, Confirm, CloseRequestTaken, EndProgram };
    Kind kind;
    std::string text;     // UTF-8; the trace line or the confirmation text
    bool answer = false;  // the confirmation's answer
  };

  struct ChannelState {
    SoundHandle sound = 0;
    bool paused = false;
    float volume = 1.0f;
  };

  struct LoadedSound {
    PcmSound pcm;
    bool loop = false;
  };

  // Without resources the platform loads no font, image or sound and the
  // game finds no data; a front end passes EmbeddedResources().
  explicit HeadlessPlatform(ResourceSet resources = ResourceSet());

  // The key script: a whole text, ready lines, or a source asked for one
  // line at a time (see ScriptedKeyboard for the typing rules).
  void SetKeyScript(std::string_view script);
  void SetKeyLines(std::vector<std::string> lines);
  void SetKeyLineSource(ScriptedKeyboard::LineSource source);
  void SetTypingHeld(bool held) { keyboard_.SetTypingHeld(held); }
  void SetOutputSink(OutputSink sink) { sink_ = std::move(sink); }
  // Every wait for a key ends at once and takes no input (the runner's
  // --no-pause, and tests that print long texts).
  void SetSkipKeyWaits(bool skip) { skipKeyWaits_ = skip; }
  // The folder of the game's files ("" for the working directory).
  void SetFilesFolder(std::string folder) {
    files_.SetFolder(std::move(folder));
  }

  // What tests and the runner look at.
  int64_t nowMillis() const { return clock_.now; }
  VirtualClock& clock() { return clock_; }
  ScriptedKeyboard& keyboard() { return keyboard_; }
  // The screen's pixels are drawn when first looked at after a change.
  const SoftwareRenderer& renderer() const { return renderer_.Rasterised(); }
  const RgbaImage& presentedFrame() const { return renderer_.presented(); }
  bool SavePresentedFrame(const std::string& path) const;
  // Off, nothing drawn is kept (see DrawListRenderer::SetRecording).
  void SetFramesKept(bool kept) { renderer_.SetRecording(kept); }
  int flipCount() const { return flips_; }
  int screensOpened() const { return screensOpened_; }
  int screenDepth() const { return screenDepth_; }
  const std::u16string& windowTitle() const { return title_; }
  bool mouseVisible() const { return mouseVisible_; }
  const std::vector<Observed>& observed() const { return observed_; }
  const ChannelState* channel(ChannelHandle channel) const;
  int channelCount() const { return static_cast<int>(channels_.size()); }
  // Decodes the sound's samples when first asked for.
  const LoadedSound* sound(SoundHandle sound) const;
  FontFace* font(FontHandle font) const;

  // Platform.
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
  bool SkipsKeyWaits() override { return skipKeyWaits_; }
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
    int64_t start = 0;
    int64_t taken = 0;  // ticks already returned by WaitTick
  };

  void Emit(Observed observed);
  int64_t TicksAt(const Ticker& ticker, int64_t time) const;

  VirtualClock clock_;
  ScriptedKeyboard keyboard_;
  DrawListRenderer renderer_;
  FramePacer pacer_;
  OutputSink sink_;
  bool skipKeyWaits_ = false;
  std::vector<Observed> observed_;

  std::u16string title_;
  bool mouseVisible_ = true;
  int flips_ = 0;
  int screensOpened_ = 0;
  int screenDepth_ = 0;

  ImageList images_;  // drawn frames point into it
  std::vector<std::unique_ptr<FontFace>> fonts_;
  mutable std::vector<LoadedSound> sounds_;
  // Each sound's Ogg Vorbis bytes until its samples are decoded.
  mutable std::vector<std::string> undecoded_;
  std::vector<ChannelState> channels_;
  std::vector<Ticker> tickers_;
  DiskFileStore files_;
  ResourceSet resources_;
};

}  // namespace zarvel
