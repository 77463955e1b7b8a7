// Prints how long the engine's two hot paths take: rebuilding the World
// from the embedded data, and drawing one game-screen frame (RedrawScreen
// plus the command line) on the headless platform, which records it. Used
// by engine_bench.sh.
#include <time.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

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

// The shipped data set with every file's content repeated `times` over:
// the same kinds of records and lines, `times` as many of them (the record
// tables stop at their capacity, as the game's do; their files are still
// read to the end).
zarvel::ResourceSet ScaledDataSet(int times) {
  const zarvel::ResourceSet shipped = zarvel::EmbeddedResources();
  zarvel::ResourceSet scaled;
  for (const char* name : zarvel::kDataFiles) {
    std::string bytes;
    shipped.Read(name, bytes);
    const std::string mark = bytes.substr(0, 2);  // FF FE
    std::string content = bytes.substr(2);
    if (!content.ends_with(std::string("\n\0", 2))) {
      content += std::string("\r\0\n\0", 4);
    }
    std::vector<unsigned char> out(mark.begin(), mark.end());
    for (int i = 0; i < times; ++i)
      out.insert(out.end(), content.begin(), content.end());
    scaled.Put(name, std::move(out));
  }
  return scaled;
}

// LoadWorld on a data set 100 times the shipped one, beside the least any
// loader pays: decoding the same files and cutting them into lines.
void BenchScaledLoadWorld() {
  using Clock = std::chrono::steady_clock;
  using Millis = std::chrono::duration<double, std::milli>;
  constexpr int kTimes = 100;
  constexpr int kLoads = 10;
  const zarvel::ResourceSet resources = ScaledDataSet(kTimes);
  size_t bytes = 0;
  for (const char* name : zarvel::kDataFiles)
    bytes += resources.Bytes(name).size();
  std::vector<double> loads;
  std::vector<double> splits;
  for (int i = 0; i < kLoads; ++i) {
    auto world = std::make_unique<zarvel::World>();
    const auto start = Clock::now();
    zarvel::LoadWorld(*world, resources);
    loads.push_back(Millis(Clock::now() - start).count());
    const auto splitStart = Clock::now();
    size_t lines = 0;
    for (const char* name : zarvel::kDataFiles) {
      lines += zarvel::ReadTextLines(resources, name).size();
    }
    splits.push_back(Millis(Clock::now() - splitStart).count());
    if (lines == 0) std::printf("no lines\n");
  }
  std::sort(loads.begin(), loads.end());
  std::sort(splits.begin(), splits.end());
  std::printf(
      "LoadWorld (data %dx the shipped set, %.1f MiB): %.1f ms median; "
      "decoding and cutting the same files into lines: %.1f ms\n",
      kTimes, bytes / 1048576.0, loads[kLoads / 2], splits[kLoads / 2]);
  std::printf(
      "row\tLoadWorld, data %dx the shipped set, ms (reading lines)"
      "\t%.3f\t%.3f\t< 20 ms\n",
      kTimes, loads[kLoads / 2], splits[kLoads / 2]);
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
  BenchScaledLoadWorld();
  BenchFrame();
  return 0;
}
