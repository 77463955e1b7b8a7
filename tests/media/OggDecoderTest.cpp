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

TEST(OggDecoder, RefusesWhatIsNotOggVorbis) {
  PcmSound sound;
  EXPECT_FALSE(DecodeOggVorbis("", sound));
  EXPECT_FALSE(DecodeOggVorbis(std::string(4096, 'x'), sound));
  std::string png;
  ASSERT_TRUE(EmbeddedResources().Read("gfx/zarvellogo.png", png));
  EXPECT_FALSE(DecodeOggVorbis(png, sound));
}

}  // namespace
}  // namespace zarvel
