#include "media/web/WebPlatform.h"

#include <emscripten.h>

#include <algorithm>
#include <cmath>

#include "media/Handles.h"
#include "media/NamedFiles.h"
#include "media/OggDecoder.h"
#include "media/Text.h"
#include "media/web/PageBridge.h"
#include "media/web/PageInput.h"

namespace zarvel {

namespace {

// A frame due within this many ms of an animation frame is shown by it:
// the browser's frames come every 16.7 ms at 60 Hz, the game's 16 or 17 ms
// apart, so waiting for an exact match would skip every other frame.
constexpr double kFrameSlack = 4.0;
// How long a wait for a key sleeps between looks when no input wakes it.
constexpr int kKeyWaitSlice = 100;

}  // namespace

WebPlatform::WebPlatform(ResourceSet resources, std::string filesFolder)
    : resources_(std::move(resources)), files_(std::move(filesFolder)) {}

double WebPlatform::Now() const { return emscripten_get_now(); }

void WebPlatform::PumpEvents() {
  if (TakePageInput(input_)) emptyPollsSinceFlip_ = 0;
}

// Screen and frame.

void WebPlatform::SetWindowTitle(const std::u16string& title) {
  zarvel_page_set_title(TextToUtf8(title).c_str());
}

// The page's style hides the pointer over the canvas, as the game never
// uses it; the page around it keeps one for its buttons.
void WebPlatform::SetMouseVisible(bool) {}

bool WebPlatform::OpenScreen(int width, int height, int depth, int rate) {
  if (width <= 0 || height <= 0 || width > 8192 || height > 8192) return false;
  renderer_.Open(width, height);
  shown_.clear();
  zarvel_page_open_screen(width, height, depth != 0 ? 1 : 0);
  pacer_.Start(ClockMillis(), rate);
  return true;
}

void WebPlatform::PresentIfChanged() {
  const RgbaImage& back = renderer_.backBuffer();
  if (back.pixels == shown_) return;
  shown_ = back.pixels;
  zarvel_page_present(back.pixels.data(), back.width, back.height);
}

void WebPlatform::Flip() {
  PresentIfChanged();
  emptyPollsSinceFlip_ = 0;
  const double due = Now() + pacer_.NextFrameDelay(ClockMillis());
  // Always one animation frame, so a late game still lets the page draw;
  // more on a display faster than 60 Hz.
  do {
    zarvel_page_wait_frame();
  } while (due - Now() > kFrameSlack);
  PumpEvents();
}

void WebPlatform::Cls() { renderer_.Cls(); }

void WebPlatform::SetClsColor(int r, int g, int b) {
  renderer_.SetClsColor(r, g, b);
}

void WebPlatform::SetColor(int r, int g, int b) { renderer_.SetColor(r, g, b); }

void WebPlatform::SetBlend(BlendMode mode) { renderer_.SetBlend(mode); }

void WebPlatform::DrawRect(float x, float y, float width, float height) {
  renderer_.DrawRect(x, y, width, height);
}

void WebPlatform::DrawLine(float x1, float y1, float x2, float y2) {
  renderer_.DrawLine(x1, y1, x2, y2);
}

// Images.

ImageHandle WebPlatform::LoadImageResource(const std::string& name) {
  return images_.Load(resources_, name);
}

ImageSize WebPlatform::GetImageSize(ImageHandle image) {
  return images_.SizeOf(image);
}

void WebPlatform::DrawImageAt(ImageHandle image, float x, float y) {
  const RgbaImage* found = images_.Find(image);
  if (found != nullptr) renderer_.DrawImage(*found, x, y);
}

// Keyboard and window.

int WebPlatform::NextChar() {
  PumpEvents();
  const int code = input_.PopChar();
  if (code != 0) {
    emptyPollsSinceFlip_ = 0;
    return code;
  }
  zarvel_page_asked();
  // The second empty answer without a frame in between means a wait loop:
  // the page gets its turn until a key comes (or briefly).
  if (++emptyPollsSinceFlip_ >= 2) zarvel_page_wait_input(5);
  return 0;
}

// Keys arrive only while the program waits, and every wait is followed by
// taking them; the state is read as the last NextChar (or wait) left it, so
// a digit typed with Escape held is seen by NextChar before Escape is.
bool WebPlatform::IsKeyDown(int keyCode) { return input_.IsKeyDown(keyCode); }

void WebPlatform::DiscardInput() {
  PumpEvents();
  input_.Discard();
}

void WebPlatform::WaitKeyPress() {
  DiscardInput();
  while (!input_.AnyKeyPressed()) {
    zarvel_page_asked();
    zarvel_page_wait_input(kKeyWaitSlice);
    PumpEvents();
  }
}

bool WebPlatform::TakeCloseRequest() {
  PumpEvents();
  return zarvel_page_take_close_request() != 0;
}

bool WebPlatform::Confirm(const std::u16string& text, bool /*serious*/) {
  const bool ok = zarvel_page_confirm(TextToUtf8(text).c_str()) != 0;
  // The dialog had the keyboard: keys let go meanwhile never told us.
  PumpEvents();
  input_.Discard();
  return ok;
}

// Time and program.

int32_t WebPlatform::ClockMillis() {
  return static_cast<int32_t>(static_cast<int64_t>(Now()));
}

void WebPlatform::SleepMillis(int millis) {
  emscripten_sleep(static_cast<unsigned>(std::max(millis, 0)));
  PumpEvents();
}

TickerHandle WebPlatform::CreateTicker(double ticksPerSecond) {
  if (!(ticksPerSecond > 0) || !std::isfinite(ticksPerSecond)) return 0;
  tickers_.push_back({ticksPerSecond, Now(), 0});
  return static_cast<TickerHandle>(tickers_.size());
}

int WebPlatform::WaitTick(TickerHandle handle) {
  Ticker* ticker = FindByHandle(tickers_, handle);
  if (ticker == nullptr) return 0;
  for (;;) {
    const double elapsed = Now() - ticker->start;
    const auto ticks = static_cast<int64_t>(
        std::floor(elapsed * ticker->ticksPerSecond / 1000.0));
    if (ticks > ticker->taken) {
      const int64_t count = ticks - ticker->taken;
      ticker->taken = ticks;
      return static_cast<int>(std::min<int64_t>(count, INT32_MAX));
    }
    const double next = static_cast<double>(ticker->taken + 1) * 1000.0 /
                        ticker->ticksPerSecond;
    emscripten_sleep(
        static_cast<unsigned>(std::max(1.0, std::ceil(next - elapsed))));
    PumpEvents();
  }
}

void WebPlatform::TraceLine(const std::u16string& text) {
  zarvel_page_trace(TextToUtf8(text).c_str());
}

void WebPlatform::EndProgram() { zarvel_page_end(); }

// Text.

FontHandle WebPlatform::LoadFontResource(const std::string& name, int pixelSize,
                                         bool smooth) {
  std::string bytes;
  if (!ReadFileBytes(resources_, name, bytes)) return 0;
  std::unique_ptr<FontFace> face =
      FontFace::FromBytes(std::move(bytes), pixelSize, smooth);
  if (face == nullptr) return 0;
  fonts_.push_back(std::move(face));
  return static_cast<FontHandle>(fonts_.size());
}

void WebPlatform::SelectFont(FontHandle font) {
  std::unique_ptr<FontFace>* face = FindByHandle(fonts_, font);
  renderer_.SetFont(face != nullptr ? face->get() : nullptr);
}

void WebPlatform::DrawTextAt(const std::u16string& text, float x, float y) {
  renderer_.DrawText(text, x, y);
}

int WebPlatform::TextWidthOf(const std::u16string& text) {
  FontFace* face = renderer_.font();
  return face != nullptr ? face->TextWidthOf(text) : 0;
}

int WebPlatform::FontHeight() {
  FontFace* face = renderer_.font();
  return face != nullptr ? face->height() : 0;
}

// Sound: the page plays it; here only the handles are counted.

SoundHandle WebPlatform::LoadSound(const std::string& name, bool loop) {
  std::string bytes;
  if (!ReadFileBytes(resources_, name, bytes) || !ProbeOggVorbis(bytes)) {
    return 0;
  }
  ++soundCount_;
  zarvel_page_load_sound(soundCount_,
                         reinterpret_cast<const uint8_t*>(bytes.data()),
                         static_cast<int>(bytes.size()), loop ? 1 : 0);
  return soundCount_;
}

ChannelHandle WebPlatform::Play(SoundHandle sound) {
  if (sound < 1 || sound > soundCount_) return 0;
  ++channelCount_;
  zarvel_page_play(channelCount_, sound);
  return channelCount_;
}

void WebPlatform::SetPaused(ChannelHandle channel, bool paused) {
  if (channel >= 1 && channel <= channelCount_) {
    zarvel_page_set_paused(channel, paused ? 1 : 0);
  }
}

void WebPlatform::SetVolume(ChannelHandle channel, float volume) {
  if (channel >= 1 && channel <= channelCount_) {
    zarvel_page_set_volume(channel, std::clamp(volume, 0.0f, 1.0f));
  }
}

}  // namespace zarvel
