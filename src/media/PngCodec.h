#pragma once
// 8-bit RGBA images to and from PNG, with libpng.

#include <cstdint>
#include <string>
#include <vector>

namespace zarvel {

struct RgbaImage {
  int width = 0;
  int height = 0;
  std::vector<uint8_t> pixels;  // width * height * 4, rows top-down, RGBA
};

// Decodes any PNG libpng reads into 8-bit RGBA. False on broken data.
bool DecodePng(const std::string& bytes, RgbaImage& out);
bool EncodePng(const RgbaImage& image, std::string& bytes);

}  // namespace zarvel
