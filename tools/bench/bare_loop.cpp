// The yardstick for the desktop benchmark: the least an SDL2 + OpenGL
// program can do to show 60 frames a second in an 800 x 600 window (clear,
// one rectangle, present, sleep to the next sixtieth). Whatever this costs
// on a machine is the floor the game is measured against.
//
// Usage: zarvel-bare-loop SECONDS

#include <SDL2/SDL.h>
#include <SDL2/SDL_opengl.h>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
  int seconds = argc > 1 ? std::atoi(argv[1]) : 10;
  if (SDL_Init(SDL_INIT_VIDEO) != 0) {
    std::fprintf(stderr, "bare loop: %s\n", SDL_GetError());
    return 1;
  }
  SDL_Window* window =
      SDL_CreateWindow("bare loop", SDL_WINDOWPOS_CENTERED,
                       SDL_WINDOWPOS_CENTERED, 800, 600, SDL_WINDOW_OPENGL);
  SDL_GLContext context = window ? SDL_GL_CreateContext(window) : nullptr;
  if (context == nullptr) {
    std::fprintf(stderr, "bare loop: %s\n", SDL_GetError());
    return 1;
  }
  SDL_GL_SetSwapInterval(0);
  glMatrixMode(GL_PROJECTION);
  glOrtho(0, 800, 600, 0, -1, 1);
  Uint32 start = SDL_GetTicks();
  Uint32 next = start;
  int frames = 0;
  bool quit = false;
  while (!quit && SDL_GetTicks() - start < Uint32(seconds) * 1000) {
    SDL_Event event;
    while (SDL_PollEvent(&event))
      if (event.type == SDL_QUIT) quit = true;
    glClearColor(0.19f, 0.19f, 0.5f, 1);
    glClear(GL_COLOR_BUFFER_BIT);
    glColor3ub(28, 28, 28);
    glRecti(0, 562, 800, 600);
    SDL_GL_SwapWindow(window);
    ++frames;
    // 1000 / 60 ms with the remainder carried, like the game's pace.
    next = start + Uint32(uint64_t(frames) * 1000 / 60);
    Uint32 now = SDL_GetTicks();
    if (next > now) SDL_Delay(next - now);
  }
  std::printf("%d frames in %u ms\n", frames, SDL_GetTicks() - start);
  SDL_GL_DeleteContext(context);
  SDL_DestroyWindow(window);
  SDL_Quit();
  return 0;
}
