#include "media/desktop/DesktopPlatform.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "media/NamedFiles.h"
#include "media/PngCodec.h"
#include "media/Text.h"
#include "media/desktop/SdlInput.h"
#include "media/desktop/SdlMessageBox.h"
#include "media/desktop/WindowIdentity.h"

namespace zarvel {

namespace {

uint8_t Channel(int value) {
  return uint8_t(value < 0 ? 0 : (value > 255 ? 255 : value));
}

// "incbin::" + name is a resource, and so is a bare name that is no file
// on disk; tools may pass a disk path.
bool ReadResourceBytes(const ResourceSet& resources, const std::string& name,
                       std::string& bytes) {
  return ReadFileBytes(resources, name, bytes) || resources.Read(name, bytes);
}

}  // namespace

DesktopPlatform::DesktopPlatform(ResourceSet resources)
    : resources_(std::move(resources)) {
  std::string icon;
  if (resources_.Read(kWindowIconResource, icon))
    screen_.SetIcon(std::move(icon));
}

DesktopPlatform::~DesktopPlatform() { Shutdown(); }

bool DesktopPlatform::Start(std::string& error) {
  if (!screen_.StartVideo(error)) return false;
  videoStarted_ = true;
  return true;
}

void DesktopPlatform::Shutdown() {
  music_.Close();
  screen_.Shutdown();
  if (videoStarted_) SDL_Quit();
  videoStarted_ = false;
}

// Screen and frame.

void DesktopPlatform::SetWindowTitle(const std::u16string& title) {
  screen_.SetTitle(TextToUtf8(title));
}

void DesktopPlatform::SetMouseVisible(bool visible) {
  screen_.SetMouseVisible(visible);
}

bool DesktopPlatform::OpenScreen(int width, int height, int depth, int rate) {
  bool first = !screen_.IsOpen();
  bool ok = videoStarted_ && screen_.Open(width, height, depth, rate);
  // The sound device is searched for in the background once the window
  // is there, so that the search does not compete with making the window
  // for the processor; silence without a device is fine.
  if (first && screen_.IsOpen()) music_.Open();
  if (!ok) screenError_ = videoStarted_ ? SDL_GetError() : "no display";
  if (first && !screen_.IsOpen()) {
    // The caller tells the player on standard error, which speaks again
    // once the sound device is settled.
    music_.AwaitDevice();
    return false;
  }
  state_ = DrawingState{};
  return ok;
}

void DesktopPlatform::Flip() {
  emptyPollsSinceFlip_ = 0;
  music_.Service();
  screen_.Flip();
  // Keeps the window's content fresh when it was covered, without taking
  // any key out of the game's hands (they only land in the queue).
  PumpEvents();
}

DrawOp DesktopPlatform::NewOp(DrawOp::Kind kind) const {
  DrawOp op;
  op.kind = kind;
  op.blend = state_.blend;
  op.r = state_.r;
  op.g = state_.g;
  op.b = state_.b;
  return op;
}

void DesktopPlatform::Cls() {
  DrawOp op = NewOp(DrawOp::Kind::Cls);
  op.r = state_.clearR;
  op.g = state_.clearG;
  op.b = state_.clearB;
  op.blend = BlendMode::Masked;
  DrawList& frame = screen_.frame();
  // Everything before a Cls is painted over, so a frame is only what
  // follows its last Cls; this keeps repeated frames comparable.
  frame.clear();
  frame.push_back(op);
}

void DesktopPlatform::SetClsColor(int r, int g, int b) {
  state_.clearR = Channel(r);
  state_.clearG = Channel(g);
  state_.clearB = Channel(b);
}

void DesktopPlatform::SetColor(int r, int g, int b) {
  state_.r = Channel(r);
  state_.g = Channel(g);
  state_.b = Channel(b);
}

void DesktopPlatform::SetBlend(BlendMode mode) { state_.blend = mode; }

void DesktopPlatform::DrawRect(float x, float y, float width, float height) {
  if (width == 0 || height == 0) return;
  DrawOp op = NewOp(DrawOp::Kind::Rect);
  op.x1 = x;
  op.y1 = y;
  op.x2 = width;
  op.y2 = height;
  screen_.frame().push_back(op);
}

void DesktopPlatform::DrawLine(float x1, float y1, float x2, float y2) {
  DrawOp op = NewOp(DrawOp::Kind::Line);
  op.x1 = x1;
  op.y1 = y1;
  op.x2 = x2;
  op.y2 = y2;
  screen_.frame().push_back(op);
}

// Images.

ImageHandle DesktopPlatform::LoadImageResource(const std::string& name) {
  std::string bytes;
  RgbaImage image;
  if (!ReadResourceBytes(resources_, name, bytes) || !DecodePng(bytes, image))
    return 0;
  imageSizes_.push_back({image.width, image.height});
  ImageHandle handle = ImageHandle(imageSizes_.size());
  screen_.renderer().AddImage(handle, std::move(image));
  return handle;
}

ImageSize DesktopPlatform::GetImageSize(ImageHandle image) {
  if (image < 1 || size_t(image) > imageSizes_.size()) return {};
  return imageSizes_[image - 1];
}

void DesktopPlatform::DrawImageAt(ImageHandle image, float x, float y) {
  ImageSize size = GetImageSize(image);
  if (size.width == 0) return;
  DrawOp op = NewOp(DrawOp::Kind::Image);
  op.image = image;
  op.imageWidth = size.width;
  op.imageHeight = size.height;
  op.x1 = x;
  op.y1 = y;
  screen_.frame().push_back(op);
}

// Keyboard and window.

void DesktopPlatform::PumpEvents() {
  music_.Service();
  if (!videoStarted_) return;
  SDL_Event event;
  WindowNotices notices;
  while (SDL_PollEvent(&event)) HandleWindowEvent(event, input_, notices);
  // The screen keeps the picture last presented as a draw list, so a window
  // whose content was lost is mended at once, even while the game waits.
  if (notices.needsPresent) screen_.PresentKeptFrame();
}

void DesktopPlatform::AwaitEvent(int millis) {
  if (videoStarted_ && millis > 0) SDL_WaitEventTimeout(nullptr, millis);
}

int DesktopPlatform::NextChar() {
  PumpEvents();
  int code = input_.PopChar();
  inputTrace_.CharAsked(code);
  if (code != 0) {
    emptyPollsSinceFlip_ = 0;
    return code;
  }
  // The second empty answer without a frame in between means a wait loop:
  // sleep until an event comes (or briefly) instead of spinning the CPU.
  if (++emptyPollsSinceFlip_ >= 2) AwaitEvent(5);
  return 0;
}

bool DesktopPlatform::IsKeyDown(int keyCode) {
  PumpEvents();
  return input_.IsKeyDown(keyCode);
}

void DesktopPlatform::DiscardInput() {
  PumpEvents();
  input_.Discard();
}

void DesktopPlatform::WaitKeyPress() {
  DiscardInput();
  inputTrace_.KeyAwaited();
  while (!input_.AnyKeyPressed()) {
    AwaitEvent(20);
    PumpEvents();
  }
}

bool DesktopPlatform::TakeCloseRequest() {
  PumpEvents();
  return input_.TakeCloseRequest();
}

bool DesktopPlatform::Confirm(const std::u16string& text, bool serious) {
  PumpEvents();
  bool ok = ShowConfirmBox(screen_.window(), TextToUtf8(text), serious);
  // The box may have covered part of the window.
  screen_.PresentKeptFrame();
  return ok;
}

// Time and program.

int32_t DesktopPlatform::ClockMillis() { return int32_t(SDL_GetTicks()); }

void DesktopPlatform::SleepMillis(int millis) {
  // In slices, so that music still decoding starts while the game sleeps.
  uint32_t end = SDL_GetTicks() + uint32_t(std::max(millis, 0));
  for (;;) {
    music_.Service();
    int32_t left = int32_t(end - SDL_GetTicks());
    if (left <= 0) break;
    SDL_Delay(uint32_t(std::min(left, 10)));
  }
}

TickerHandle DesktopPlatform::CreateTicker(double ticksPerSecond) {
  Ticker ticker;
  ticker.ticksPerSecond = ticksPerSecond > 0 ? ticksPerSecond : 1;
  ticker.start = SDL_GetTicks();
  tickers_.push_back(ticker);
  return TickerHandle(tickers_.size());
}

int DesktopPlatform::WaitTick(TickerHandle handle) {
  if (handle < 1 || size_t(handle) > tickers_.size()) return 0;
  Ticker& ticker = tickers_[handle - 1];
  for (;;) {
    PumpEvents();
    double elapsed = double(SDL_GetTicks() - ticker.start);
    int64_t ticks = int64_t(std::floor(elapsed * ticker.ticksPerSecond / 1000));
    if (ticks > ticker.taken) {
      int count = int(ticks - ticker.taken);
      ticker.taken = ticks;
      return count;
    }
    double next = double(ticker.taken + 1) * 1000 / ticker.ticksPerSecond;
    AwaitEvent(std::max(1, int(std::ceil(next - elapsed))));
  }
}

void DesktopPlatform::TraceLine(const std::u16string& text) {
  std::string line = TextToUtf8(text);
  line += '\n';
  std::fwrite(line.data(), 1, line.size(), stdout);
  std::fflush(stdout);
}

void DesktopPlatform::EndProgram() {
  std::fflush(stdout);
  Shutdown();
  std::exit(0);
}

// Text.

FontHandle DesktopPlatform::LoadFontResource(const std::string& name,
                                             int pixelSize, bool smooth) {
  std::string bytes;
  std::unique_ptr<FontFace> face =
      ReadResourceBytes(resources_, name, bytes)
          ? FontFace::FromBytes(std::move(bytes), pixelSize, smooth)
          : nullptr;
  if (!face) return 0;
  fonts_.push_back(std::move(face));
  return FontHandle(fonts_.size());
}

void DesktopPlatform::SelectFont(FontHandle font) {
  state_.font = (font >= 1 && size_t(font) <= fonts_.size()) ? font : 0;
}

FontFace* DesktopPlatform::SelectedFont() const {
  return state_.font == 0 ? nullptr : fonts_[state_.font - 1].get();
}

void DesktopPlatform::DrawTextAt(const std::u16string& text, float x, float y) {
  FontFace* font = SelectedFont();
  if (font == nullptr || text.empty()) return;
  DrawOp op = NewOp(DrawOp::Kind::Text);
  op.font = font;
  op.text = text;
  op.x1 = x;
  op.y1 = y;
  screen_.frame().push_back(std::move(op));
}

int DesktopPlatform::TextWidthOf(const std::u16string& text) {
  FontFace* font = SelectedFont();
  return font == nullptr ? 0 : font->TextWidthOf(text);
}

int DesktopPlatform::FontHeight() {
  FontFace* font = SelectedFont();
  return font == nullptr ? 0 : font->height();
}

// Sound.

SoundHandle DesktopPlatform::LoadSound(const std::string& name, bool loop) {
  std::string bytes;
  ReadResourceBytes(resources_, name, bytes);  // none: a silent sound
  return music_.LoadSound(
      {reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size()},
      loop);
}

ChannelHandle DesktopPlatform::Play(SoundHandle sound) {
  return music_.Play(sound);
}

void DesktopPlatform::SetPaused(ChannelHandle channel, bool paused) {
  music_.SetPaused(channel, paused);
}

void DesktopPlatform::SetVolume(ChannelHandle channel, float volume) {
  music_.SetVolume(channel, volume);
}

}  // namespace zarvel
