#include "media/desktop/WindowRegionCopy.h"

#include <GL/glx.h>
#include <SDL2/SDL.h>

#include <cstring>
#include <string>

namespace zarvel {

namespace {

bool HasExtension(const char* list, const char* name) {
  if (list == nullptr) return false;
  const std::string spaced = " " + std::string(list) + " ";
  return spaced.find(" " + std::string(name) + " ") != std::string::npos;
}

}  // namespace

bool WindowRegionCopy::Detect() {
  copy_ = nullptr;
  const char* driver = SDL_GetCurrentVideoDriver();
  if (driver == nullptr || std::strcmp(driver, "x11") != 0) return false;
  auto display = reinterpret_cast<CurrentDisplay>(
      SDL_GL_GetProcAddress("glXGetCurrentDisplay"));
  auto drawable = reinterpret_cast<CurrentDrawable>(
      SDL_GL_GetProcAddress("glXGetCurrentDrawable"));
  using QueryExtensions = const char* (*)(Display*, int);
  auto extensions = reinterpret_cast<QueryExtensions>(
      SDL_GL_GetProcAddress("glXQueryExtensionsString"));
  auto copy = reinterpret_cast<CopySubBuffer>(
      SDL_GL_GetProcAddress("glXCopySubBufferMESA"));
  if (!display || !drawable || !extensions || !copy) return false;
  // Without a GLX context current (SDL drawing through EGL) there is no
  // display here.
  auto* x = static_cast<Display*>(display());
  if (x == nullptr || drawable() == 0) return false;
  if (!HasExtension(extensions(x, DefaultScreen(x)),
                    "GLX_MESA_copy_sub_buffer"))
    return false;
  currentDisplay_ = display;
  currentDrawable_ = drawable;
  copy_ = copy;
  return true;
}

void WindowRegionCopy::Copy(const ScreenRect& area, int drawableHeight) const {
  if (copy_ == nullptr || area.IsEmpty()) return;
  // GLX counts rows from the bottom.
  copy_(currentDisplay_(), currentDrawable_(), area.left,
        drawableHeight - area.bottom, area.right - area.left,
        area.bottom - area.top);
}

}  // namespace zarvel
