// Renders the game's two music tracks and writes them as Ogg Vorbis.
//
// Usage: zarvel-music OUTPUT_DIR

#include <cmath>
#include <cstdio>
#include <string>

#include "Scores.h"
#include "VorbisWriter.h"

namespace {

// Both tracks play at this loudness, so the change from the title music to
// the game's is no jump in level; no sample may come closer to full scale
// than the ceiling (headroom for the encoder's rounding).
constexpr double kTrackLufs = -19.0;
constexpr double kPeakCeilingDbfs = -1.0;
constexpr double kLoopEdgeSeconds = 0.010;

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s OUTPUT_DIR\n", argv[0]);
    return 2;
  }
  std::string dir = argv[1];
  struct Track {
    const char* file;
    music::Stereo (*render)();
    uint32_t serial;
  };
  const Track tracks[] = {
      {"white_mouse_ate_cat.ogg", music::WhiteMouseAteCat, 0x7a617201u},
      {"brighter_sides.ogg", music::BrighterSides, 0x7a617202u},
  };
  for (const Track& track : tracks) {
    music::Stereo audio = track.render();
    music::FadeLoopEdges(audio, kLoopEdgeSeconds);
    const double peak = music::NormaliseLoudness(audio, kTrackLufs);
    if (peak > kPeakCeilingDbfs) {
      std::fprintf(stderr,
                   "%s: peak %.2f dBFS at %.1f LUFS is above %.1f dBFS\n",
                   track.file, peak, kTrackLufs, kPeakCeilingDbfs);
      return 1;
    }
    std::string path = dir + "/" + track.file;
    if (!music::WriteOggVorbis(audio, 0.2, track.serial, path)) {
      std::fprintf(stderr, "cannot write %s\n", path.c_str());
      return 1;
    }
    std::printf("%s: %.1f s, %.2f LUFS (K-weighted, ungated), peak %.2f dBFS\n",
                track.file, audio.seconds(), music::LoudnessLufs(audio), peak);
  }
  return 0;
}
