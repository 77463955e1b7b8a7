#pragma once
// The game's one window and its OpenGL context, the switch between window
// and full screen, and the presenting and pacing of frames.
//
// The window and the context are made once and kept across every switch, so
// images and glyphs uploaded before stay valid. Frames are recorded, and the
// picture on screen is kept as a list of drawing operations: a frame that
// gives the same picture is neither rendered nor presented again, one that
// changes part of it is redrawn and presented only there where the window
// keeps its back buffer (where rows of it only moved up, as when the console
// scrolls, they are copied there instead of drawn again; the environment
// variable ZARVEL_NO_ROW_COPY, set and not empty, turns that off so that a
// test can compare the two), and a window whose content was lost is mended
// by drawing the kept list again.

#include <SDL2/SDL.h>

#include <string>

#include "media/FramePacer.h"
#include "media/desktop/DrawList.h"
#include "media/desktop/GlRenderer.h"
#include "media/desktop/ScrollPlan.h"
#include "media/desktop/WindowRegionCopy.h"

namespace zarvel {

class SdlScreen {
 public:
  SdlScreen() = default;
  ~SdlScreen();
  SdlScreen(const SdlScreen&) = delete;
  SdlScreen& operator=(const SdlScreen&) = delete;

  // Starts SDL's video on a real display. False, with the reason, when there
  // is none (SDL's off-screen fallback is not a display for a player).
  bool StartVideo(std::string& error);
  void Shutdown();

  void SetTitle(const std::string& utf8);
  // The PNG every window this screen opens gets as its icon.
  void SetIcon(std::string pngBytes) { icon_ = std::move(pngBytes); }
  void SetMouseVisible(bool visible);
  // Depth 0: a centred window of width x height. Above 0: full screen at
  // that size where the display has such a mode, else the desktop's own
  // mode with the picture scaled to fit. False when no screen could be
  // opened in the wanted mode (a window is kept or reopened then).
  bool Open(int width, int height, int depth, int rate);
  bool IsOpen() const { return window_ != nullptr; }
  SDL_Window* window() const { return window_; }

  DrawList& frame() { return current_; }
  GlRenderer& renderer() { return renderer_; }
  int width() const { return width_; }
  int height() const { return height_; }
  // Shows the last presented frame again at once (after the window's
  // content was lost), without waiting for a Flip: the game may be in a
  // wait that draws nothing.
  void PresentKeptFrame();
  // Renders the recorded frame if it differs from the one on screen, waits
  // for the frame pace and presents.
  void Flip();

 private:
  bool CreateWindow(int width, int height);
  bool EnterFullscreen(int width, int height, int rate);
  void EnterWindow(int width, int height);
  // The window's frames are paced from `since` (SDL ticks).
  void StartPacing(bool fullscreen, int rate, uint32_t since);
  ScreenRect WholeScreen() const { return {0, 0, width_, height_}; }
  // Whether a frame that changes `changed` should be looked at as rows
  // moved up: only where the target keeps the picture from frame to frame
  // and holds exactly the one on screen, and only for a change tall enough
  // that the copy can spare more than the looking costs.
  bool MayMoveRows(const ScreenRect& changed) const;
  // Draws the changed part of the picture into the renderer's target (all
  // of it when the target's content is not the picture on screen).
  void RenderChanges();
  // Shows what RenderChanges drew.
  void Present();

  SDL_Window* window_ = nullptr;
  SDL_GLContext context_ = nullptr;
  std::string title_;
  std::string icon_;
  bool mouseVisible_ = true;
  bool copyRows_ = true;
  int width_ = 0;
  int height_ = 0;
  int rate_ = 60;

  GlRenderer renderer_;
  WindowRegionCopy regionCopy_;
  DrawList current_;
  DrawList shown_;            // the picture on screen, drawn on black
  bool shownOnBlack_ = true;  // black shows where shown_ paints nothing
  ScreenRect changed_;        // where shown_ differs from the target's pixels
  ScrollPlan scroll_;  // how the target's pixels become shown_, if not empty
  ScreenRect drawn_;   // drawn into the target, not yet presented
  bool targetHolds_ = false;  // the target holds the last picture drawn

  FramePacer pacer_;
  bool vsync_ = false;
  int fastSwaps_ = 0;  // presented frames that the retrace did not hold back
  uint32_t lastSwap_ = 0;
  bool lastFlipSwapped_ = false;  // the previous Flip presented at a retrace
};

}  // namespace zarvel
