#include <gtest/gtest.h>

#include "media/EmbeddedResources.h"
#include "media/NamedFiles.h"
#include "media/OggDecoder.h"

namespace zarvel {
namespace {

TEST(OggDecoder, DecodesAWholeEmbeddedTrack) {
  const ResourceSet resources = EmbeddedResources();
  for (const char* name : {"incbin::msx/white_mouse_ate_cat.ogg",
                           "incbin::msx/brighter_sides.ogg"}) {
    std::string bytes;
    ASSERT_TRUE(ReadFileBytes(resources, name, bytes)) << name;
    PcmSound sound;
    ASSERT_TRUE(DecodeOggVorbis(bytes, sound)) << name;
    EXPECT_EQ(sound.channels, 2);
    EXPECT_EQ(sound.sampleRate, 44100);
    ASSERT_FALSE(sound.samples.empty());
    EXPECT_EQ(sound.samples.size() % 2, 0u);
    bool heard = false;
    for (int16_t sample : sound.samples) heard = heard || sample != 0;
    EXPECT_TRUE(heard) << name << " decodes to silence";
  }
}

// Pieces laid end to end are the whole track, whatever their size: a piece
// boundary inside one of libvorbisfile's own blocks must lose nothing.
TEST(OggDecoder, PiecesMakeTheWholeTrack) {
  std::string bytes;
  ASSERT_TRUE(EmbeddedResources().Read("msx/brighter_sides.ogg", bytes));
  PcmSound whole;
  ASSERT_TRUE(DecodeOggVorbis(bytes, whole));
  for (size_t pieceFrames :
       {size_t(1000), size_t(4093), size_t(1) << 18, whole.samples.size()}) {
    std::vector<int16_t> joined;
    size_t pieces = 0;
    ASSERT_TRUE(DecodeOggVorbisPieces(
        bytes, pieceFrames,
        [&](int channels, int rate, std::span<const int16_t> samples) {
          EXPECT_EQ(channels, 2);
          EXPECT_EQ(rate, 44100);
          EXPECT_LE(samples.size(), pieceFrames * 2);
          EXPECT_EQ(samples.size() % 2, 0u);
          joined.insert(joined.end(), samples.begin(), samples.end());
          ++pieces;
          return true;
        }));
    EXPECT_TRUE(joined == whole.samples) << pieceFrames << " frames a piece";
    EXPECT_EQ(pieces,
              (whole.samples.size() / 2 + pieceFrames - 1) / pieceFrames);
  }
  // A sink that stops is called no more.
  size_t calls = 0;
  EXPECT_TRUE(DecodeOggVorbisPieces(bytes, 1000, [&](int, int, auto) {
    ++calls;
    return calls < 3;
  }));
  EXPECT_EQ(calls, 3u);
}

TEST(OggDecoder, RefusesWhatIsNotOggVorbis) {
  std::string png;
  ASSERT_TRUE(EmbeddedResources().Read("gfx/zarvellogo.png", png));
  for (const std::string& bytes :
       {std::string(), std::string(4096, 'x'), png}) {
    PcmSound sound;
    EXPECT_FALSE(DecodeOggVorbis(bytes, sound));
    bool called = false;
    EXPECT_FALSE(DecodeOggVorbisPieces(bytes, 1000, [&](int, int, auto) {
      called = true;
      return true;
    }));
    EXPECT_FALSE(called);
  }
}

}  // namespace
}  // namespace zarvel
