// Prints how long the engine's two hot paths take: rebuilding the World
// from the embedded data, and drawing one game-screen frame (RedrawScreen
// plus the command line) on the headless platform, which records it. Used
// by engine_bench.sh.
#include <time.h>

#include <chrono>
#include <cstdio>

#include "console/CommandLine.h"
#include "console/Screen.h"
#include "data/World.h"
#include "game/Game.h"
#include "media/EmbeddedResources.h"
#include "media/headless/HeadlessPlatform.h"

namespace {

double CpuSeconds() {
  timespec now{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
  return static_cast<double>(now.tv_sec) + now.tv_nsec / 1e9;
}

void BenchLoadWorld() {
  using Clock = std::chrono::steady_clock;
  const zarvel::ResourceSet resources = zarvel::EmbeddedResources();
  zarvel::World world;
  zarvel::LoadWorld(world, resources);  // warm the caches once
  constexpr int kLoads = 200;
  const auto start = Clock::now();
  for (int i = 0; i < kLoads; ++i) zarvel::LoadWorld(world, resources);
  const std::chrono::duration<double, std::milli> spent = Clock::now() - start;
  std::printf("LoadWorld (embedded data): %.3f ms per load (mean of %d)\n",
              spent.count() / kLoads, kLoads);
}

// A full console of ordinary replies, with the marks the data uses.
void FillConsole(zarvel::Game& game) {
  const char16_t* samples[] = {
      u">sever",
      u"",
      u"Vydal ses na sever.",
      u"Chodba. Na stěnách visí staré obrazy a u stropu se houpe *lampa.",
      u"% *T *H *E   *E *N *D",
      u"Vidíš lampu, klíč, starou skříň a krysu.",
      u"Můžeš jít na sever, jih a nahoru.",
  };
  for (int i = 0; i < zarvel::kConsoleRows; ++i) {
    game.console.lines[i] = samples[i % 7];
  }
  game.console.inputLine = u"prozkoumej skříň";
}

void BenchFrame() {
  zarvel::HeadlessPlatform platform(zarvel::EmbeddedResources());
  zarvel::Game game(platform);
  platform.OpenScreen(800, 600, 0, 60);
  platform.SelectFont(
      platform.LoadFontResource("incbin::font/Ubuntu-C.ttf", 20, true));
  platform.SetBlend(zarvel::BlendMode::Alpha);
  game.console.layout.charWidth = platform.TextWidthOf(u"Z");
  game.console.layout.lineHeight = platform.FontHeight();
  game.console.layout.logoImage =
      platform.LoadImageResource("incbin::gfx/zarvellogo.png");
  FillConsole(game);
  zarvel::RedrawScreen(game.console);  // glyphs are made on first use
  zarvel::DrawCommandLine(game.console);
  constexpr int kFrames = 300;
  const double start = CpuSeconds();
  for (int i = 0; i < kFrames; ++i) {
    zarvel::RedrawScreen(game.console);
    zarvel::DrawCommandLine(game.console);
  }
  const double spent = CpuSeconds() - start;
  std::printf(
      "RedrawScreen + command line (recorded by the headless platform, "
      "not drawn): %.1f us CPU per frame (mean of %d; a frame lasts 16667 "
      "us)\n",
      spent / kFrames * 1e6, kFrames);
}

}  // namespace

int main() {
  BenchLoadWorld();
  BenchFrame();
  return 0;
}
