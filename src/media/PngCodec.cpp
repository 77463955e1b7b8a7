#include "media/PngCodec.h"

#include <png.h>

#include <cstring>

namespace zarvel {

// libpng's simplified API does the conversions (palette, grey, 16-bit,
// transparency chunks) and reports errors through return values, which
// keeps setjmp out of C++ code.

bool DecodePng(const std::string& bytes, RgbaImage& out) {
  png_image image;
  std::memset(&image, 0, sizeof image);
  image.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_memory(&image, bytes.data(), bytes.size())) {
    return false;
  }
  image.format = PNG_FORMAT_RGBA;
  std::vector<uint8_t> pixels(PNG_IMAGE_SIZE(image));
  if (!png_image_finish_read(&image, nullptr, pixels.data(), 0, nullptr)) {
    png_image_free(&image);
    return false;
  }
  out.width = static_cast<int>(image.width);
  out.height = static_cast<int>(image.height);
  out.pixels = std::move(pixels);
  return true;
}

bool EncodePng(const RgbaImage& image, std::string& bytes) {
  if (image.width <= 0 || image.height <= 0 ||
      image.pixels.size() !=
          static_cast<size_t>(image.width) * image.height * 4) {
    return false;
  }
  png_image header;
  std::memset(&header, 0, sizeof header);
  header.version = PNG_IMAGE_VERSION;
  header.width = static_cast<png_uint_32>(image.width);
  header.height = static_cast<png_uint_32>(image.height);
  header.format = PNG_FORMAT_RGBA;
  png_alloc_size_t size = 0;
  // The first call only measures; the second writes.
  if (!png_image_write_to_memory(&header, nullptr, &size, 0,
                                 image.pixels.data(), 0, nullptr)) {
    return false;
  }
  std::string encoded(size, '\0');
  if (!png_image_write_to_memory(&header, encoded.data(), &size, 0,
                                 image.pixels.data(), 0, nullptr)) {
    return false;
  }
  encoded.resize(size);
  bytes = std::move(encoded);
  return true;
}

}  // namespace zarvel
