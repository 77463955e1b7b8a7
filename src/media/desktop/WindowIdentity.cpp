#include "media/desktop/WindowIdentity.h"

#include <SDL.h>

#include <cstdlib>
#include <string>

#include "media/PngCodec.h"

namespace zarvel {

void SetWindowClass() {
  // SDL takes the X11 class and the Wayland application id from these
  // variables (else from the executable's name, which a renamed or test
  // copy would change); a value the user set is kept.
  setenv("SDL_VIDEO_X11_WMCLASS", "zarvel", 0);
  setenv("SDL_VIDEO_WAYLAND_WMCLASS", "zarvel", 0);
  SDL_SetHint(SDL_HINT_APP_NAME, "Zarvel");
}

void SetWindowIconFromPng(SDL_Window* window, const std::string& pngBytes) {
  RgbaImage image;
  if (pngBytes.empty() || !DecodePng(pngBytes, image)) return;
  SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormatFrom(
      image.pixels.data(), image.width, image.height, 32, image.width * 4,
      SDL_PIXELFORMAT_RGBA32);
  if (surface == nullptr) return;
  SDL_SetWindowIcon(window, surface);  // SDL keeps its own copy
  SDL_FreeSurface(surface);
}

}  // namespace zarvel
