#pragma once
// Decodes Ogg Vorbis tracks with libvorbisfile: whole into memory, or piece
// by piece for a caller that passes each piece on (to a sound device's own
// buffers) and so never holds the whole track twice.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
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
// Decodes the stream in order, handing `piece` at most `pieceFrames` frames
// of interleaved 16-bit samples at a time (the span is reused after the
// call returns). `piece` returns false to stop early. False when the bytes
// are not a readable Ogg Vorbis stream (then `piece` is never called).
using PcmPieceSink = std::function<bool(int channels, int sampleRate,
                                        std::span<const int16_t> samples)>;
bool DecodeOggVorbisPieces(const std::string& bytes, size_t pieceFrames,
                           const PcmPieceSink& piece);
// The same verdict as DecodeOggVorbis, from the stream's headers alone
// (decoding a readable stream's audio never fails).
bool ProbeOggVorbis(const std::string& bytes);

}  // namespace zarvel
