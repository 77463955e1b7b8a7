#include "media/headless/HeadlessPlatform.h"

#include <algorithm>
#include <cmath>

#include "media/Handles.h"
#include "media/NamedFiles.h"
#include "media/Text.h"

namespace zarvel {

namespace {

constexpr int kLargestScreen = 8192;

}  // namespace

HeadlessPlatform::HeadlessPlatform(ResourceSet resources)
    : keyboard_(clock_), resources_(std::move(resources)) {
  pacer_.Start(clock_.Millis32(), 60);
}

void HeadlessPlatform::SetKeyScript(std::string_view script) {
  keyboard_.SetLines(SplitScriptLines(script));
}

void HeadlessPlatform::SetKeyLines(std::vector<std::string> lines) {
  keyboard_.SetLines(std::move(lines));
}

void HeadlessPlatform::SetKeyLineSource(ScriptedKeyboard::LineSource source) {
  keyboard_.SetLineSource(std::move(source));
}

bool HeadlessPlatform::SavePresentedFrame(const std::string& path) const {
  std::string bytes;
  return EncodePng(renderer_.presented(), bytes) &&
         ReplaceDiskFile(path, bytes);
}

const HeadlessPlatform::ChannelState* HeadlessPlatform::channel(
    ChannelHandle channel) const {
  return FindByHandle(channels_, channel);
}

const HeadlessPlatform::LoadedSound* HeadlessPlatform::sound(
    SoundHandle sound) const {
  LoadedSound* found = FindByHandle(sounds_, sound);
  if (found == nullptr) return nullptr;
  std::string& bytes = undecoded_[static_cast<size_t>(sound) - 1];
  if (!bytes.empty()) {
    DecodeOggVorbis(bytes, found->pcm);  // the bytes were probed at load
    std::string().swap(bytes);
  }
  return found;
}

FontFace* HeadlessPlatform::font(FontHandle font) const {
  const std::unique_ptr<FontFace>* face = FindByHandle(fonts_, font);
  return face != nullptr ? face->get() : nullptr;
}

void HeadlessPlatform::Emit(Observed observed) {
  if (sink_ && observed.kind == Observed::Kind::Trace) sink_(observed.text);
  if (sink_ && observed.kind == Observed::Kind::Confirm) {
    sink_("[confirm] " + observed.text);
  }
  observed_.push_back(std::move(observed));
}

// Screen and frame.

void HeadlessPlatform::SetWindowTitle(const std::u16string& title) {
  title_ = title;
}

void HeadlessPlatform::SetMouseVisible(bool visible) {
  mouseVisible_ = visible;
}

bool HeadlessPlatform::OpenScreen(int width, int height, int depth, int rate) {
  if (width <= 0 || height <= 0 || width > kLargestScreen ||
      height > kLargestScreen) {
    return false;
  }
  renderer_.Open(width, height);
  // Full screen would follow the display's retrace at the same rate; the
  // virtual clock has no display, so both modes use the window's pace.
  pacer_.Start(clock_.Millis32(), rate);
  screenDepth_ = depth;
  ++screensOpened_;
  return true;
}

void HeadlessPlatform::Flip() {
  renderer_.Present();
  ++flips_;
  clock_.Advance(pacer_.NextFrameDelay(clock_.Millis32()));
}

void HeadlessPlatform::Cls() { renderer_.Cls(); }

void HeadlessPlatform::SetClsColor(int r, int g, int b) {
  renderer_.SetClsColor(r, g, b);
}

void HeadlessPlatform::SetColor(int r, int g, int b) {
  renderer_.SetColor(r, g, b);
}

void HeadlessPlatform::SetBlend(BlendMode mode) { renderer_.SetBlend(mode); }

void HeadlessPlatform::DrawRect(float x, float y, float width, float height) {
  renderer_.DrawRect(x, y, width, height);
}

void HeadlessPlatform::DrawLine(float x1, float y1, float x2, float y2) {
  renderer_.DrawLine(x1, y1, x2, y2);
}

// Images.

ImageHandle HeadlessPlatform::LoadImageResource(const std::string& name) {
  return images_.Load(resources_, name);
}

ImageSize HeadlessPlatform::GetImageSize(ImageHandle image) {
  return images_.SizeOf(image);
}

void HeadlessPlatform::DrawImageAt(ImageHandle image, float x, float y) {
  const RgbaImage* found = images_.Find(image);
  if (found != nullptr) renderer_.DrawImage(*found, x, y);
}

// Keyboard and window.

int HeadlessPlatform::NextChar() { return keyboard_.NextChar(); }

bool HeadlessPlatform::IsKeyDown(int keyCode) {
  return keyboard_.IsKeyDown(keyCode);
}

void HeadlessPlatform::DiscardInput() { keyboard_.DiscardInput(); }

void HeadlessPlatform::WaitKeyPress() {
  if (skipKeyWaits_) return;
  keyboard_.WaitKeyPress();
}

bool HeadlessPlatform::TakeCloseRequest() {
  if (!keyboard_.TakeCloseRequest()) return false;
  Emit({Observed::Kind::CloseRequestTaken, {}, false});
  return true;
}

bool HeadlessPlatform::Confirm(const std::u16string& text, bool /*serious*/) {
  const bool answer = keyboard_.TakeConfirmAnswer();
  Emit({Observed::Kind::Confirm, TextToUtf8(text), answer});
  return answer;
}

// Time and program.

int32_t HeadlessPlatform::ClockMillis() { return clock_.Millis32(); }

void HeadlessPlatform::SleepMillis(int millis) { clock_.Advance(millis); }

TickerHandle HeadlessPlatform::CreateTicker(double ticksPerSecond) {
  // A ticker that never ticks would make WaitTick wait for ever.
  if (!(ticksPerSecond > 0) || !std::isfinite(ticksPerSecond)) return 0;
  tickers_.push_back({ticksPerSecond, clock_.now, 0});
  return static_cast<TickerHandle>(tickers_.size());
}

int64_t HeadlessPlatform::TicksAt(const Ticker& ticker, int64_t time) const {
  return static_cast<int64_t>(
      std::floor(static_cast<double>(time - ticker.start) *
                 ticker.ticksPerSecond / 1000.0));
}

int HeadlessPlatform::WaitTick(TickerHandle handle) {
  Ticker* ticker = FindByHandle(tickers_, handle);
  if (ticker == nullptr) return 0;
  int64_t ticks = TicksAt(*ticker, clock_.now);
  if (ticks <= ticker->taken) {
    // Sleep to the moment of the next tick.
    const int64_t wanted = ticker->taken + 1;
    int64_t due =
        ticker->start +
        static_cast<int64_t>(std::ceil(static_cast<double>(wanted) * 1000.0 /
                                       ticker->ticksPerSecond));
    while (TicksAt(*ticker, due) < wanted) ++due;  // rounding of the division
    clock_.AdvanceTo(due);
    ticks = TicksAt(*ticker, clock_.now);
  }
  const int64_t count = ticks - ticker->taken;
  ticker->taken = ticks;
  return static_cast<int>(std::min<int64_t>(count, INT32_MAX));
}

void HeadlessPlatform::TraceLine(const std::u16string& text) {
  Emit({Observed::Kind::Trace, TextToUtf8(text), false});
}

void HeadlessPlatform::EndProgram() {
  Emit({Observed::Kind::EndProgram, {}, false});
  throw ProgramEnded{0};
}

// Text.

FontHandle HeadlessPlatform::LoadFontResource(const std::string& name,
                                              int pixelSize, bool smooth) {
  std::string bytes;
  if (!ReadFileBytes(resources_, name, bytes)) return 0;
  std::unique_ptr<FontFace> face =
      FontFace::FromBytes(std::move(bytes), pixelSize, smooth);
  if (face == nullptr) return 0;
  fonts_.push_back(std::move(face));
  return static_cast<FontHandle>(fonts_.size());
}

void HeadlessPlatform::SelectFont(FontHandle font) {
  renderer_.SetFont(this->font(font));
}

void HeadlessPlatform::DrawTextAt(const std::u16string& text, float x,
                                  float y) {
  renderer_.DrawText(text, x, y);
}

int HeadlessPlatform::TextWidthOf(const std::u16string& text) {
  FontFace* face = renderer_.font();
  return face != nullptr ? face->TextWidthOf(text) : 0;
}

int HeadlessPlatform::FontHeight() {
  FontFace* face = renderer_.font();
  return face != nullptr ? face->height() : 0;
}

// Sound.

SoundHandle HeadlessPlatform::LoadSound(const std::string& name, bool loop) {
  std::string bytes;
  LoadedSound sound;
  if (!ReadFileBytes(resources_, name, bytes) || !ProbeOggVorbis(bytes)) {
    return 0;
  }
  sound.loop = loop;
  sounds_.push_back(std::move(sound));
  undecoded_.push_back(std::move(bytes));
  return static_cast<SoundHandle>(sounds_.size());
}

ChannelHandle HeadlessPlatform::Play(SoundHandle sound) {
  if (FindByHandle(sounds_, sound) == nullptr) return 0;
  channels_.push_back({sound, false, 1.0f});
  return static_cast<ChannelHandle>(channels_.size());
}

void HeadlessPlatform::SetPaused(ChannelHandle channel, bool paused) {
  ChannelState* found = FindByHandle(channels_, channel);
  if (found != nullptr) found->paused = paused;
}

void HeadlessPlatform::SetVolume(ChannelHandle channel, float volume) {
  ChannelState* found = FindByHandle(channels_, channel);
  if (found != nullptr) found->volume = std::clamp(volume, 0.0f, 1.0f);
}

}  // namespace zarvel
