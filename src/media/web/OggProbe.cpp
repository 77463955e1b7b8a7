// The OggDecoder of the web build: the browser decodes the music itself
// (Web Audio), so the engine side only checks that a track is an Ogg Vorbis
// stream, from its first page, and never holds its samples.
#include "media/OggDecoder.h"

namespace zarvel {

namespace {
// An Ogg page starts "OggS"; a Vorbis stream's first packet, in the first
// page after the 27-byte header and its segment table, is 0x01 "vorbis".
bool StartsVorbisStream(const std::string& bytes) {
  if (bytes.size() < 27 || bytes.compare(0, 4, "OggS") != 0) return false;
  const size_t segments = static_cast<unsigned char>(bytes[26]);
  const size_t packet = 27 + segments;
  return bytes.size() >= packet + 7 &&
         bytes.compare(packet, 7, "\x01vorbis") == 0;
}
}  // namespace

bool DecodeOggVorbis(const std::string& bytes, PcmSound& out) {
  (void)out;
  (void)bytes;
  return false;
}

bool DecodeOggVorbisPieces(const std::string& bytes, size_t pieceFrames,
                           const PcmPieceSink& piece) {
  (void)bytes;
  (void)pieceFrames;
  (void)piece;
  return false;
}

bool ProbeOggVorbis(const std::string& bytes) {
  return StartsVorbisStream(bytes);
}

}  // namespace zarvel
