// Renders the game's two music tracks and writes them as Ogg Vorbis.
//
// Usage: zarvel-music OUTPUT_DIR

#include <cstdio>
#include <string>

#include "Scores.h"
#include "VorbisWriter.h"

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
    std::string path = dir + "/" + track.file;
    if (!music::WriteOggVorbis(audio, 0.2, track.serial, path)) {
      std::fprintf(stderr, "cannot write %s\n", path.c_str());
      return 1;
    }
    std::printf("%s: %.1f s\n", track.file, audio.seconds());
  }
  return 0;
}
