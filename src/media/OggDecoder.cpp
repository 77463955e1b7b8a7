#include "media/OggDecoder.h"

#include <vorbis/vorbisfile.h>

#include <algorithm>
#include <cstring>

namespace zarvel {

namespace {

// libvorbisfile reads through these callbacks from the bytes in memory.
struct MemoryStream {
  const std::string* bytes;
  size_t position;
};

size_t ReadMemory(void* buffer, size_t size, size_t count, void* source) {
  auto* stream = static_cast<MemoryStream*>(source);
  if (size == 0) return 0;
  const size_t left = stream->bytes->size() - stream->position;
  const size_t items = std::min(count, left / size);
  std::memcpy(buffer, stream->bytes->data() + stream->position, items * size);
  stream->position += items * size;
  return items;
}

int SeekMemory(void* source, ogg_int64_t offset, int whence) {
  auto* stream = static_cast<MemoryStream*>(source);
  ogg_int64_t base = 0;
  if (whence == SEEK_CUR) base = static_cast<ogg_int64_t>(stream->position);
  if (whence == SEEK_END)
    base = static_cast<ogg_int64_t>(stream->bytes->size());
  const ogg_int64_t target = base + offset;
  if (target < 0 || target > static_cast<ogg_int64_t>(stream->bytes->size())) {
    return -1;
  }
  stream->position = static_cast<size_t>(target);
  return 0;
}

long TellMemory(void* source) {
  return static_cast<long>(static_cast<MemoryStream*>(source)->position);
}

}  // namespace

bool ProbeOggVorbis(const std::string& bytes) {
  MemoryStream stream{&bytes, 0};
  const ov_callbacks callbacks{ReadMemory, SeekMemory, nullptr, TellMemory};
  OggVorbis_File file;
  if (ov_open_callbacks(&stream, &file, nullptr, 0, callbacks) != 0) {
    return false;
  }
  const vorbis_info* info = ov_info(&file, -1);
  const bool readable = info != nullptr && info->channels > 0;
  ov_clear(&file);
  return readable;
}

namespace {

// Opens the stream and hands its format to `start`; then reads it to its end
// through `take`, which returns false to stop. False when the bytes are not
// a readable stream.
template <typename Start, typename Take>
bool ReadStream(const std::string& bytes, Start start, Take& take) {
  MemoryStream stream{&bytes, 0};
  const ov_callbacks callbacks{ReadMemory, SeekMemory, nullptr, TellMemory};
  OggVorbis_File file;
  if (ov_open_callbacks(&stream, &file, nullptr, 0, callbacks) != 0) {
    return false;
  }
  const vorbis_info* info = ov_info(&file, -1);
  if (info == nullptr || info->channels <= 0) {
    ov_clear(&file);
    return false;
  }
  start(info->channels, static_cast<int>(info->rate), ov_pcm_total(&file, -1));
  int section = 0;
  for (;;) {
    // Little-endian, 16-bit, signed: the layout of int16_t on this machine.
    char* const into = take.Space();
    const long got = ov_read(&file, into, take.SpaceBytes(), 0, 2, 1, &section);
    if (got == OV_HOLE) continue;  // a gap in the data; decoding goes on
    if (got <= 0) break;           // end of stream, or data past repair
    if (!take.Took(static_cast<size_t>(got) / 2)) break;
  }
  ov_clear(&file);
  return true;
}

}  // namespace

bool DecodeOggVorbis(const std::string& bytes, PcmSound& out) {
  PcmSound sound;
  // Decodes through a fixed buffer appended to the samples, which are
  // reserved at the stream's length so they are never moved.
  struct Appender {
    std::vector<int16_t>& samples;
    char buffer[16384];
    char* Space() { return buffer; }
    int SpaceBytes() const { return sizeof buffer; }
    bool Took(size_t count) {
      const size_t at = samples.size();
      samples.resize(at + count);
      std::memcpy(samples.data() + at, buffer, count * 2);
      return true;
    }
  } appender{sound.samples, {}};
  const bool readable = ReadStream(
      bytes,
      [&](int channels, int rate, ogg_int64_t frames) {
        sound.channels = channels;
        sound.sampleRate = rate;
        if (frames > 0) {
          sound.samples.reserve(static_cast<size_t>(frames) * channels);
        }
      },
      appender);
  if (!readable) return false;
  out = std::move(sound);
  return true;
}

bool DecodeOggVorbisPieces(const std::string& bytes, size_t pieceFrames,
                           const PcmPieceSink& piece) {
  // Decodes straight into the piece; ov_read gives at most what is asked
  // for, so a piece is handed on once it is full (and the rest at the end).
  struct Filler {
    const PcmPieceSink& piece;
    std::vector<int16_t> samples;
    size_t filled = 0;
    int channels = 0;
    int rate = 0;
    bool going = true;
    char* Space() { return reinterpret_cast<char*>(samples.data() + filled); }
    int SpaceBytes() const {
      return static_cast<int>((samples.size() - filled) * 2);
    }
    bool Took(size_t count) {
      filled += count;
      if (filled == samples.size()) Hand();
      return going;
    }
    void Hand() {
      if (filled > 0) going = piece(channels, rate, {samples.data(), filled});
      filled = 0;
    }
  };
  Filler filler{piece, {}, 0, 0, 0, true};
  const bool readable = ReadStream(
      bytes,
      [&](int channels, int rate, ogg_int64_t) {
        filler.channels = channels;
        filler.rate = rate;
        filler.samples.resize(std::max<size_t>(pieceFrames, 1) * channels);
      },
      filler);
  if (readable && filler.going) filler.Hand();
  return readable;
}

}  // namespace zarvel
