#pragma once
// Decodes a whole Ogg Vorbis track into memory with libvorbisfile.

#include <cstdint>
#include <string>
#include <vector>

namespace zarvel {

struct PcmSound {
  int channels = 0;
  int sampleRate = 0;
  std::vector<int16_t> samples;  // interleaved, 16-bit signed
};

// False when the bytes are not a readable Ogg Vorbis stream.
bool DecodeOggVorbis(const std::string& bytes, PcmSound& out);
// The same verdict as DecodeOggVorbis, from the stream's headers alone
// (decoding a readable stream's audio never fails).
bool ProbeOggVorbis(const std::string& bytes);

}  // namespace zarvel
