#pragma once
// Encodes a stereo buffer as an Ogg Vorbis file.

#include <cstdint>
#include <string>

#include "Synth.h"

namespace music {

// quality: libvorbis's VBR quality (-0.1 .. 1). The stream serial number is
// fixed so that the same input gives the same bytes.
bool WriteOggVorbis(const Stereo& audio, double quality, uint32_t serial,
                    const std::string& path);

}  // namespace music
