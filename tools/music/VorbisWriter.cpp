#include "VorbisWriter.h"

#include <vorbis/vorbisenc.h>

#include <algorithm>
#include <cstdio>

namespace music {

namespace {

bool WritePages(ogg_stream_state& stream, FILE* file, bool flush) {
  ogg_page page;
  while (flush ? ogg_stream_flush(&stream, &page)
               : ogg_stream_pageout(&stream, &page)) {
    if (std::fwrite(page.header, 1, size_t(page.header_len), file) !=
            size_t(page.header_len) ||
        std::fwrite(page.body, 1, size_t(page.body_len), file) !=
            size_t(page.body_len))
      return false;
  }
  return true;
}

}  // namespace

bool WriteOggVorbis(const Stereo& audio, double quality, uint32_t serial,
                    const std::string& path) {
  FILE* file = std::fopen(path.c_str(), "wb");
  if (file == nullptr) return false;

  vorbis_info info;
  vorbis_info_init(&info);
  if (vorbis_encode_init_vbr(&info, 2, kRate, float(quality)) != 0) {
    std::fclose(file);
    return false;
  }
  vorbis_comment comment;
  vorbis_comment_init(&comment);
  vorbis_dsp_state dsp;
  vorbis_analysis_init(&dsp, &info);
  vorbis_block block;
  vorbis_block_init(&dsp, &block);
  ogg_stream_state stream;
  ogg_stream_init(&stream, int(serial));

  ogg_packet header, commentHeader, codeHeader;
  vorbis_analysis_headerout(&dsp, &comment, &header, &commentHeader,
                            &codeHeader);
  ogg_stream_packetin(&stream, &header);
  ogg_stream_packetin(&stream, &commentHeader);
  ogg_stream_packetin(&stream, &codeHeader);
  bool ok = WritePages(stream, file, true);

  const size_t chunk = 4096;
  size_t done = 0;
  bool ended = false;
  while (ok && !ended) {
    size_t count = std::min(chunk, audio.frames() - done);
    if (count == 0) {
      vorbis_analysis_wrote(&dsp, 0);  // end of stream
    } else {
      float** buffer = vorbis_analysis_buffer(&dsp, int(count));
      for (size_t i = 0; i < count; ++i) {
        buffer[0][i] = audio.left[done + i];
        buffer[1][i] = audio.right[done + i];
      }
      vorbis_analysis_wrote(&dsp, int(count));
      done += count;
    }
    while (vorbis_analysis_blockout(&dsp, &block) == 1) {
      vorbis_analysis(&block, nullptr);
      vorbis_bitrate_addblock(&block);
      ogg_packet packet;
      while (vorbis_bitrate_flushpacket(&dsp, &packet)) {
        ogg_stream_packetin(&stream, &packet);
        ok = ok && WritePages(stream, file, false);
        if (packet.e_o_s) ended = true;
      }
    }
  }
  ok = ok && WritePages(stream, file, true);

  ogg_stream_clear(&stream);
  vorbis_block_clear(&block);
  vorbis_dsp_clear(&dsp);
  vorbis_comment_clear(&comment);
  vorbis_info_clear(&info);
  return std::fclose(file) == 0 && ok;
}

}  // namespace music
