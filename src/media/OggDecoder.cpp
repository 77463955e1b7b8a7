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

bool DecodeOggVorbis(const std::string& bytes, PcmSound& out) {
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
  PcmSound sound;
  sound.channels = info->channels;
  sound.sampleRate = static_cast<int>(info->rate);
  const ogg_int64_t frames = ov_pcm_total(&file, -1);
  if (frames > 0)
    sound.samples.reserve(static_cast<size_t>(frames) * sound.channels);

  char buffer[16384];
  int section = 0;
  for (;;) {
    // Little-endian, 16-bit, signed: the layout of int16_t on this machine.
    const long got = ov_read(&file, buffer, sizeof buffer, 0, 2, 1, &section);
    if (got == OV_HOLE) continue;  // a gap in the data; decoding goes on
    if (got <= 0) break;           // end of stream, or data past repair
    const size_t count = static_cast<size_t>(got) / 2;
    const size_t at = sound.samples.size();
    sound.samples.resize(at + count);
    std::memcpy(sound.samples.data() + at, buffer, count * 2);
  }
  ov_clear(&file);
  out = std::move(sound);
  return true;
}

}  // namespace zarvel
