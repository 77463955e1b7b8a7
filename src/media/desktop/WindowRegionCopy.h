#pragma once
// Presenting part of a frame: copies a box of the back buffer to the window
// and leaves the back buffer as it is (GLX_MESA_copy_sub_buffer, which
// Mesa offers on X11 for software and most hardware drivers). A frame that
// changes only the command line then costs the drawing and the copying of
// that bar, not of the whole window; and since the back buffer is never
// swapped away, it always holds the picture on screen to draw on.

#include "media/desktop/DrawList.h"

namespace zarvel {

class WindowRegionCopy {
 public:
  // Looks for the extension on the current OpenGL context of an X11
  // window; false (and no copying) anywhere else.
  bool Detect();
  bool available() const { return copy_ != nullptr; }
  // Copies the box (top-left origin, as the game counts) of the back buffer
  // to the window whose drawable is the given height.
  void Copy(const ScreenRect& area, int drawableHeight) const;

 private:
  using CurrentDisplay = void* (*)();
  using CurrentDrawable = unsigned long (*)();
  using CopySubBuffer = void (*)(void*, unsigned long, int, int, int, int);

  CurrentDisplay currentDisplay_ = nullptr;
  CurrentDrawable currentDrawable_ = nullptr;
  CopySubBuffer copy_ = nullptr;
};

}  // namespace zarvel
