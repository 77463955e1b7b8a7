#include <gtest/gtest.h>
#include <png.h>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>

#include "media/EmbeddedResources.h"
#include "media/PngCodec.h"

namespace zarvel {
namespace {

RgbaImage Gradient(int width, int height) {
  RgbaImage image{width, height, {}};
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      image.pixels.push_back(static_cast<uint8_t>(x * 37));
      image.pixels.push_back(static_cast<uint8_t>(y * 91));
      image.pixels.push_back(static_cast<uint8_t>(x + y));
      image.pixels.push_back(static_cast<uint8_t>((x * y) % 256));
    }
  }
  return image;
}

TEST(PngCodec, EncodedImageDecodesToTheSamePixels) {
  const RgbaImage image = Gradient(13, 7);
  std::string bytes;
  ASSERT_TRUE(EncodePng(image, bytes));
  RgbaImage back;
  ASSERT_TRUE(DecodePng(bytes, back));
  EXPECT_EQ(back.width, 13);
  EXPECT_EQ(back.height, 7);
  EXPECT_EQ(back.pixels, image.pixels);
}

TEST(PngCodec, GreyImagesBecomeOpaqueRgba) {
  png_image header;
  std::memset(&header, 0, sizeof header);
  header.version = PNG_IMAGE_VERSION;
  header.width = 2;
  header.height = 1;
  header.format = PNG_FORMAT_GRAY;
  const uint8_t grey[2] = {0, 200};
  png_alloc_size_t size = 0;
  ASSERT_TRUE(
      png_image_write_to_memory(&header, nullptr, &size, 0, grey, 0, nullptr));
  std::string bytes(size, '\0');
  ASSERT_TRUE(png_image_write_to_memory(&header, bytes.data(), &size, 0, grey,
                                        0, nullptr));
  bytes.resize(size);
  RgbaImage image;
  ASSERT_TRUE(DecodePng(bytes, image));
  EXPECT_EQ(image.pixels,
            (std::vector<uint8_t>{0, 0, 0, 255, 200, 200, 200, 255}));
}

TEST(PngCodec, RefusesBrokenData) {
  RgbaImage image;
  EXPECT_FALSE(DecodePng("", image));
  EXPECT_FALSE(DecodePng("not a png at all", image));
  std::string bytes;
  ASSERT_TRUE(EncodePng(Gradient(20, 20), bytes));
  EXPECT_FALSE(DecodePng(bytes.substr(0, bytes.size() / 2), image));
  EXPECT_FALSE(EncodePng(RgbaImage{2, 2, std::vector<uint8_t>(3)}, bytes));
  EXPECT_FALSE(EncodePng(RgbaImage{}, bytes));
}

TEST(PngCodec, DecodesTheEmbeddedLogo) {
  std::string bytes;
  ASSERT_TRUE(EmbeddedResources().Read("gfx/zarvellogo.png", bytes));
  RgbaImage logo;
  ASSERT_TRUE(DecodePng(bytes, logo));
  EXPECT_EQ(logo.height, 27);
  EXPECT_EQ(logo.pixels.size(), static_cast<size_t>(logo.width) * 27 * 4);
}

}  // namespace
}  // namespace zarvel
