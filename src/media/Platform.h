#pragma once
// The one seam between the game and the machine. Everything the game draws,
// plays, reads from the keyboard or measures in time goes through here; the
// engine never talks to SDL, OpenGL or OpenAL itself. Two implementations
// exist: the desktop one (SDL2 + OpenGL + OpenAL) and the headless one
// (virtual clock, scripted keys, software renderer) used by the tests and by
// the terminal runner.

#include <cstdint>
#include <string>

#include "media/FileStore.h"
#include "media/ResourceSet.h"

namespace zarvel {

// Handles are small integers owned by the platform; 0 means "none".
using ImageHandle = int;
using SoundHandle = int;
using ChannelHandle = int;
using FontHandle = int;
using TickerHandle = int;

// The canvas every screen of the game is drawn on, in pixels.
inline constexpr int kCanvasWidth = 800;
inline constexpr int kCanvasHeight = 600;

enum class BlendMode { Masked, Alpha };

struct ImageSize {
  int width = 0;
  int height = 0;
};

class Platform {
 public:
  virtual ~Platform() = default;

  // Screen and frame.
  virtual void SetWindowTitle(const std::u16string& title) = 0;
  virtual void SetMouseVisible(bool visible) = 0;
  // Closes the current screen and opens a new one; depth 0 is a window.
  // Resets the drawing state (colour white, clear colour black, masked
  // blending, default font). Returns false when no screen could be opened.
  virtual bool OpenScreen(int width, int height, int depth, int rate) = 0;
  // Presents the back buffer and waits for the frame pace (60 per second).
  virtual void Flip() = 0;
  virtual void Cls() = 0;
  virtual void SetClsColor(int r, int g, int b) = 0;
  virtual void SetColor(int r, int g, int b) = 0;
  virtual void SetBlend(BlendMode mode) = 0;
  // Fills x .. x+width-1, y .. y+height-1.
  virtual void DrawRect(float x, float y, float width, float height) = 0;
  // One pixel wide, both end pixels drawn.
  virtual void DrawLine(float x1, float y1, float x2, float y2) = 0;

  // Images (8-bit RGBA PNGs from the embedded set, "incbin::" + name).
  virtual ImageHandle LoadImageResource(const std::string& name) = 0;
  virtual ImageSize GetImageSize(ImageHandle image) = 0;
  // Each pixel's colour is multiplied by the current colour.
  virtual void DrawImageAt(ImageHandle image, float x, float y) = 0;

  // Keyboard and window. Each of these looks at pending window events first.
  // Oldest queued character code (one UTF-16 unit), 0 when the queue is empty.
  virtual int NextChar() = 0;
  virtual bool IsKeyDown(int keyCode) = 0;
  // Empties the character queue and clears key states and key presses.
  virtual void DiscardInput() = 0;
  // DiscardInput, then blocks until any key (1..255) is pressed. A close
  // request made meanwhile is only recorded.
  virtual void WaitKeyPress() = 0;
  // Whether every wait for a key ends at once, taking no input: a front end
  // that replays a script without pauses. WaitKeyPress honours it itself;
  // the engine's own waits ask before they poll.
  virtual bool SkipsKeyWaits() = 0;
  // Whether a window-close request is pending; clears it.
  virtual bool TakeCloseRequest() = 0;
  // Modal OK/Cancel box captioned with the window title; true for OK.
  virtual bool Confirm(const std::u16string& text, bool serious) = 0;

  // Time and program.
  virtual int32_t ClockMillis() = 0;
  virtual void SleepMillis(int millis) = 0;
  virtual TickerHandle CreateTicker(double ticksPerSecond) = 0;
  // Blocks until at least one tick since the last call; returns the ticks.
  virtual int WaitTick(TickerHandle ticker) = 0;
  // Writes the text and a line end to standard output and flushes it.
  virtual void TraceLine(const std::u16string& text) = 0;
  // Ends the program with exit status 0. The headless platform throws
  // ProgramEnded instead, so that tests and the runner can observe it.
  [[noreturn]] virtual void EndProgram() = 0;

  // The game's own files (the position slots).
  virtual FileStore& Files() = 0;
  // The resources the front end made this platform with (data files, font,
  // images, music); the loaders below read theirs from here.
  virtual ResourceSet& Resources() = 0;

  // Text ("incbin::" + name for the font).
  virtual FontHandle LoadFontResource(const std::string& name, int pixelSize,
                                      bool smooth) = 0;
  virtual void SelectFont(FontHandle font) = 0;
  // (x, y) is the top-left corner of the line's box.
  virtual void DrawTextAt(const std::u16string& text, float x, float y) = 0;
  virtual int TextWidthOf(const std::u16string& text) = 0;
  virtual int FontHeight() = 0;

  // Sound.
  virtual SoundHandle LoadSound(const std::string& name, bool loop) = 0;
  // Starts the sound from its beginning on a new channel at volume 1.0.
  virtual ChannelHandle Play(SoundHandle sound) = 0;
  virtual void SetPaused(ChannelHandle channel, bool paused) = 0;
  virtual void SetVolume(ChannelHandle channel, float volume) = 0;
};

// Thrown by the headless platform's EndProgram.
struct ProgramEnded {
  int status = 0;
};

// Thrown by the headless platform when the program asks for input and the
// key script has ended.
struct InputExhausted {};

}  // namespace zarvel
