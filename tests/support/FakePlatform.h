#pragma once
// A Platform for unit tests that records what the game asks of it. Every
// character has a chosen width, so pixel boundaries can be hit exactly;
// keys come from a queue; the clock moves only when the game waits (and by
// one millisecond per look, so polling loops always get somewhere).

#include <deque>
#include <map>
#include <string>
#include <vector>

#include "media/EmbeddedResources.h"
#include "media/Platform.h"
#include "media/posix/DiskFiles.h"

namespace zarvel::testing {

struct DrawnText {
  std::u16string text;
  float x = 0;
  float y = 0;
  int r = 0, g = 0, b = 0;
};

struct DrawnRect {
  float x = 0, y = 0, width = 0, height = 0;
  int r = 0, g = 0, b = 0;
};

class FakePlatform : public Platform {
 public:
  // Widths in pixels; characters not in the table are defaultWidth wide,
  // and code 27 (Escape) has no glyph, as in the game font.
  std::map<char16_t, int> widths;
  int defaultWidth = 10;
  int fontHeight = 23;

  std::deque<int> keys;
  // Typed one batch at a time when the game asks for a character and the
  // queue is empty, the way a player types after seeing the screen.
  std::deque<std::u16string> batches;
  int closeRequests = 0;
  bool confirmAnswer = false;
  bool screenOpens = true;      // false: no screen can be opened
  int emptyPollLimit = 200000;  // then InputExhausted, so no test hangs

  // What happened.
  std::vector<DrawnText> texts;
  std::vector<DrawnRect> rects;
  std::vector<float> lineYs;
  std::vector<std::u16string> confirms;
  std::vector<std::pair<int, float>> volumes;  // channel, volume
  std::vector<std::pair<int, bool>> pausedCalls;
  std::vector<int> played;  // sounds, in order
  std::vector<std::string> imagesLoaded;
  int flips = 0;
  int cls = 0;
  int discards = 0;
  int waitKeyPresses = 0;
  int32_t now = 100000;

  void Type(const std::u16string& text) {
    for (char16_t c : text) keys.push_back(c);
  }
  void ClearRecords() {
    texts.clear();
    rects.clear();
    lineYs.clear();
  }

  void SetWindowTitle(const std::u16string&) override {}
  void SetMouseVisible(bool) override {}
  bool OpenScreen(int, int, int, int) override { return screenOpens; }
  void Flip() override {
    ++flips;
    now += 16;
  }
  void Cls() override { ++cls; }
  void SetClsColor(int, int, int) override {}
  void SetColor(int r, int g, int b) override {
    r_ = r;
    g_ = g;
    b_ = b;
  }
  void SetBlend(BlendMode) override {}
  void DrawRect(float x, float y, float width, float height) override {
    rects.push_back({x, y, width, height, r_, g_, b_});
  }
  void DrawLine(float, float y1, float, float) override {
    lineYs.push_back(y1);
  }
  ImageHandle LoadImageResource(const std::string& name) override {
    imagesLoaded.push_back(name);
    return static_cast<ImageHandle>(imagesLoaded.size());
  }
  ImageSize GetImageSize(ImageHandle) override { return {100, 27}; }
  void DrawImageAt(ImageHandle, float, float) override {}

  int NextChar() override {
    ++now;
    if (keys.empty() && !batches.empty()) {
      Type(batches.front());
      batches.pop_front();
    }
    if (keys.empty()) {
      if (++emptyPolls_ > emptyPollLimit) throw InputExhausted{};
      return 0;
    }
    emptyPolls_ = 0;
    const int code = keys.front();
    keys.pop_front();
    return code;
  }
  bool IsKeyDown(int) override { return false; }
  void DiscardInput() override {
    ++discards;
    keys.clear();
  }
  // A real key press that gives a character also queues it, so one press
  // usually answers a WaitKeyPress and the wait for a character after it.
  int pressChar = 'k';
  // Skipped waits end at once and take no input.
  bool skipKeyWaits = false;
  bool SkipsKeyWaits() override { return skipKeyWaits; }
  DiskFileStore files;
  FileStore& Files() override { return files; }
  ResourceSet resources = EmbeddedResources();
  ResourceSet& Resources() override { return resources; }
  void WaitKeyPress() override {
    if (skipKeyWaits) return;
    ++waitKeyPresses;
    DiscardInput();
    if (pressChar > 0) keys.push_back(pressChar);
  }
  bool TakeCloseRequest() override {
    if (closeRequests == 0) return false;
    --closeRequests;
    return true;
  }
  bool Confirm(const std::u16string& text, bool) override {
    confirms.push_back(text);
    return confirmAnswer;
  }

  int32_t ClockMillis() override { return ++now; }
  void SleepMillis(int millis) override {
    if (millis > 0) now += millis;
  }
  TickerHandle CreateTicker(double) override { return 1; }
  int WaitTick(TickerHandle) override {
    now += 50;
    return 1;
  }
  void TraceLine(const std::u16string& text) override {
    traces.push_back(text);
  }
  [[noreturn]] void EndProgram() override { throw ProgramEnded{0}; }

  FontHandle LoadFontResource(const std::string&, int, bool) override {
    return 1;
  }
  void SelectFont(FontHandle) override {}
  void DrawTextAt(const std::u16string& text, float x, float y) override {
    texts.push_back({text, x, y, r_, g_, b_});
  }
  int TextWidthOf(const std::u16string& text) override {
    int width = 0;
    for (char16_t c : text) width += WidthOf(c);
    return width;
  }
  int FontHeight() override { return fontHeight; }

  SoundHandle LoadSound(const std::string&, bool) override { return ++sounds_; }
  ChannelHandle Play(SoundHandle sound) override {
    played.push_back(sound);
    return ++channels_;
  }
  void SetPaused(ChannelHandle channel, bool paused) override {
    pausedCalls.push_back({channel, paused});
  }
  void SetVolume(ChannelHandle channel, float volume) override {
    volumes.push_back({channel, volume});
  }

  std::vector<std::u16string> traces;

 private:
  int WidthOf(char16_t c) const {
    if (c == 27) return 0;
    auto it = widths.find(c);
    return it == widths.end() ? defaultWidth : it->second;
  }
  int r_ = 255, g_ = 255, b_ = 255;
  int emptyPolls_ = 0;
  int sounds_ = 0;
  int channels_ = 0;
};

}  // namespace zarvel::testing
