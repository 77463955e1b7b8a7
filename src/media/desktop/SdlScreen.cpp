#include "media/desktop/SdlScreen.h"

#include <cstdlib>

#include "media/desktop/WindowIdentity.h"

namespace zarvel {

namespace {

// SDL falls back to an invisible off-screen "display" when there is no real
// one; the game must say so instead of running unseen.
const char* RealVideoDrivers() {
  const char* wayland = std::getenv("WAYLAND_DISPLAY");
  return (wayland != nullptr && *wayland != 0) ? "x11,wayland" : "x11";
}

// A swap that returns this much sooner than a 60 Hz retrace did not wait.
constexpr uint32_t kUnheldSwapMillis = 8;
constexpr int kUnheldSwapsBeforeGivingUp = 10;

// A change fewer rows tall than this part of the screen (the command line,
// the cursor) costs less to draw again than to look for moved rows in.
constexpr int kMovedRowsMinPart = 4;

}  // namespace

SdlScreen::~SdlScreen() { Shutdown(); }

bool SdlScreen::StartVideo(std::string& error) {
  // The user's own SDL_VIDEODRIVER still wins over this default.
  SDL_SetHint(SDL_HINT_VIDEODRIVER, RealVideoDrivers());
  // Ctrl+C and kill end the program as usual instead of becoming a close
  // request that asks "Ukončit hru?".
  SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
  // A message box over a full screen takes the focus; the game must not
  // vanish to the task bar for that.
  SDL_SetHint(SDL_HINT_VIDEO_MINIMIZE_ON_FOCUS_LOSS, "0");
  SetWindowClass();
  if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_TIMER) != 0) {
    error = SDL_GetError();
    return false;
  }
  const char* driver = SDL_GetCurrentVideoDriver();
  if (driver == nullptr || std::string(driver) == "offscreen" ||
      std::string(driver) == "dummy") {
    error = "no display to show a window on";
    SDL_Quit();
    return false;
  }
  SDL_ShowCursor(mouseVisible_ ? SDL_ENABLE : SDL_DISABLE);
  const char* noRowCopy = std::getenv("ZARVEL_NO_ROW_COPY");
  copyRows_ = noRowCopy == nullptr || *noRowCopy == 0;
  return true;
}

void SdlScreen::Shutdown() {
  if (context_ != nullptr) {
    // The renderer's textures belong to this context.
    renderer_.ReleaseGlObjects();
    SDL_GL_DeleteContext(context_);
    context_ = nullptr;
  }
  if (window_ != nullptr) {
    SDL_DestroyWindow(window_);
    window_ = nullptr;
  }
}

void SdlScreen::SetTitle(const std::string& utf8) {
  title_ = utf8;
  if (window_ != nullptr) SDL_SetWindowTitle(window_, title_.c_str());
}

void SdlScreen::SetMouseVisible(bool visible) {
  mouseVisible_ = visible;
  if (SDL_WasInit(SDL_INIT_VIDEO))
    SDL_ShowCursor(visible ? SDL_ENABLE : SDL_DISABLE);
}

bool SdlScreen::CreateWindow(int width, int height) {
  SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
  SDL_GL_SetAttribute(SDL_GL_RED_SIZE, 8);
  SDL_GL_SetAttribute(SDL_GL_GREEN_SIZE, 8);
  SDL_GL_SetAttribute(SDL_GL_BLUE_SIZE, 8);
  window_ = SDL_CreateWindow(title_.c_str(), SDL_WINDOWPOS_CENTERED,
                             SDL_WINDOWPOS_CENTERED, width, height,
                             SDL_WINDOW_OPENGL | SDL_WINDOW_HIDDEN);
  if (window_ == nullptr) return false;
  SetWindowIconFromPng(window_, icon_);
  context_ = SDL_GL_CreateContext(window_);
  if (context_ == nullptr) {
    SDL_DestroyWindow(window_);
    window_ = nullptr;
    return false;
  }
  SDL_GL_MakeCurrent(window_, context_);
  regionCopy_.Detect();
  return true;
}

bool SdlScreen::EnterFullscreen(int width, int height, int rate) {
  int display = SDL_GetWindowDisplayIndex(window_);
  SDL_DisplayMode wanted{};
  wanted.w = width;
  wanted.h = height;
  wanted.refresh_rate = rate;
  SDL_DisplayMode closest{};
  bool exact = SDL_GetClosestDisplayMode(display < 0 ? 0 : display, &wanted,
                                         &closest) != nullptr &&
               closest.w == width && closest.h == height;
  if (exact && SDL_SetWindowDisplayMode(window_, &closest) == 0 &&
      SDL_SetWindowFullscreen(window_, SDL_WINDOW_FULLSCREEN) == 0)
    return true;
  // No such mode: the desktop's mode, the picture scaled to fit.
  return SDL_SetWindowFullscreen(window_, SDL_WINDOW_FULLSCREEN_DESKTOP) == 0;
}

void SdlScreen::EnterWindow(int width, int height) {
  SDL_SetWindowFullscreen(window_, 0);
  SDL_SetWindowSize(window_, width, height);
  SDL_SetWindowPosition(window_, SDL_WINDOWPOS_CENTERED,
                        SDL_WINDOWPOS_CENTERED);
}

bool SdlScreen::Open(int width, int height, int depth, int rate) {
  if (width <= 0 || height <= 0) return false;
  // The frame schedule starts when the opening was asked for: making a
  // window takes longer than a frame, so the first frame drawn after it is
  // already due and shows at once instead of a period after the opening.
  const uint32_t asked = SDL_GetTicks();
  rate_ = rate > 0 ? rate : 60;
  bool first = window_ == nullptr;
  if (first && !CreateWindow(width, height)) return false;

  bool ok = true;
  bool fullscreen = false;
  if (depth > 0) {
    fullscreen = EnterFullscreen(width, height, rate_);
    if (!fullscreen) {
      EnterWindow(width, height);
      ok = false;
    }
  } else if (!first) {
    EnterWindow(width, height);
  }
  SDL_ShowWindow(window_);
  SDL_RaiseWindow(window_);

  width_ = width;
  height_ = height;
  current_.clear();
  shown_.clear();
  shownOnBlack_ = true;
  targetHolds_ = false;
  changed_ = WholeScreen();
  scroll_ = {};
  drawn_ = {};
  StartPacing(fullscreen, rate_, asked);
  // Show the new screen black at once rather than whatever the window
  // system had there.
  RenderChanges();
  if (drawn_.IsEmpty()) return false;  // no canvas for a scaled screen
  Present();
  return ok;
}

void SdlScreen::StartPacing(bool fullscreen, int rate, uint32_t since) {
  vsync_ = fullscreen && SDL_GL_SetSwapInterval(1) == 0;
  if (!vsync_) SDL_GL_SetSwapInterval(0);
  fastSwaps_ = 0;
  lastFlipSwapped_ = false;
  lastSwap_ = SDL_GetTicks();
  pacer_.Start(int32_t(since), rate);
}

bool SdlScreen::MayMoveRows(const ScreenRect& changed) const {
  return copyRows_ && targetHolds_ && changed_.IsEmpty() && !vsync_ &&
         regionCopy_.available() && renderer_.CanCopyRows() &&
         changed.bottom - changed.top >= height_ / kMovedRowsMinPart;
}

void SdlScreen::RenderChanges() {
  ScrollPlan scroll = std::move(scroll_);
  scroll_ = {};
  int w = 0, h = 0;
  SDL_GL_GetDrawableSize(window_, &w, &h);
  // A window of the game's size is drawn into directly; a larger full
  // screen shows a canvas of the game's size scaled.
  bool canvas = w != width_ || h != height_;
  if (canvas != renderer_.usesCanvas() || !targetHolds_) {
    if (!renderer_.Prepare(width_, height_, canvas)) return;
    targetHolds_ = false;
  }
  if (targetHolds_ && !scroll.IsEmpty() && renderer_.CanCopyRows()) {
    for (const RowCopy& copy : scroll.Copies()) renderer_.CopyRows(copy);
    for (const ScreenRect& repair : scroll.repairs)
      renderer_.Render(shown_, repair, shownOnBlack_);
    drawn_.Include(scroll.Area(width_));
  } else {
    ScreenRect area = targetHolds_ ? changed_ : WholeScreen();
    renderer_.Render(shown_, area, shownOnBlack_);
    drawn_.Include(area);
  }
  changed_ = {};
  targetHolds_ = true;
}

void SdlScreen::Present() {
  if (drawn_.IsEmpty()) return;
  int w = 0, h = 0;
  SDL_GL_GetDrawableSize(window_, &w, &h);
  if (renderer_.usesCanvas()) {
    renderer_.CopyCanvasToWindow(w, h);
    SDL_GL_SwapWindow(window_);  // the canvas keeps the picture
  } else if (regionCopy_.available() && !vsync_) {
    regionCopy_.Copy(drawn_, h);  // the back buffer keeps the picture
  } else {
    SDL_GL_SwapWindow(window_);
    targetHolds_ = false;  // a swapped back buffer holds nothing known
  }
  drawn_ = {};
}

void SdlScreen::PresentKeptFrame() {
  if (window_ == nullptr) return;
  targetHolds_ = false;
  RenderChanges();
  Present();
}

void SdlScreen::Flip() {
  if (window_ == nullptr) {
    current_.clear();
    return;
  }
  // An empty frame leaves the picture as it is.
  if (!current_.empty()) {
    DrawList next = NextPicture(shown_, std::move(current_), width_, height_);
    ScreenRect changed = ChangedArea(shown_, next, width_, height_);
    if (!changed.IsEmpty()) {
      if (MayMoveRows(changed))
        scroll_ = PlanScroll(shown_, next, width_, height_);
      shown_.swap(next);
      shownOnBlack_ = !PaintsEveryPixel(shown_, width_, height_);
      changed_.Include(changed);
    }
  }
  current_.clear();
  if (!changed_.IsEmpty()) RenderChanges();
  bool needsPresent = !drawn_.IsEmpty();

  if (vsync_ && needsPresent) {
    Present();  // waits for the retrace
    uint32_t now = SDL_GetTicks();
    // Some drivers accept a swap interval and never wait; pace those by
    // the clock instead. Only two presents in a row tell: after a frame
    // paced by the clock the retrace may well be near.
    if (lastFlipSwapped_)
      fastSwaps_ = (now - lastSwap_ < kUnheldSwapMillis) ? fastSwaps_ + 1 : 0;
    if (fastSwaps_ >= kUnheldSwapsBeforeGivingUp) {
      vsync_ = false;
      SDL_GL_SetSwapInterval(0);
    }
    lastSwap_ = now;
    lastFlipSwapped_ = true;
    pacer_.Start(int32_t(now), rate_);
    return;
  }
  int delay = pacer_.NextFrameDelay(int32_t(SDL_GetTicks()));
  if (delay > 0) SDL_Delay(uint32_t(delay));
  if (needsPresent) Present();
  lastFlipSwapped_ = false;
}

}  // namespace zarvel
