#include "media/web/PreparedImage.h"

#include <cstdint>

namespace zarvel {

namespace {

constexpr char kMagic[] = "ZRGBA8\0\0";
constexpr size_t kMagicSize = 8;
constexpr size_t kHeaderSize = kMagicSize + 8;
constexpr uint32_t kLargestSide = 8192;

uint32_t ReadUint32(const std::string& bytes, size_t at) {
  uint32_t value = 0;
  for (int i = 0; i < 4; ++i) {
    value |= static_cast<uint32_t>(static_cast<unsigned char>(bytes[at + i]))
             << (8 * i);
  }
  return value;
}

}  // namespace

std::string EncodePreparedImage(const RgbaImage& image) {
  std::string out(kMagic, kMagicSize);
  for (int side : {image.width, image.height}) {
    for (int i = 0; i < 4; ++i) {
      out += static_cast<char>((static_cast<uint32_t>(side) >> (8 * i)) & 0xFF);
    }
  }
  out.append(image.pixels.begin(), image.pixels.end());
  return out;
}

bool DecodePreparedImage(const std::string& bytes, RgbaImage& out) {
  if (bytes.size() < kHeaderSize ||
      bytes.compare(0, kMagicSize, std::string(kMagic, kMagicSize)) != 0) {
    return false;
  }
  const uint32_t width = ReadUint32(bytes, kMagicSize);
  const uint32_t height = ReadUint32(bytes, kMagicSize + 4);
  if (width == 0 || height == 0 || width > kLargestSide ||
      height > kLargestSide ||
      bytes.size() - kHeaderSize != static_cast<size_t>(width) * height * 4) {
    return false;
  }
  out.width = static_cast<int>(width);
  out.height = static_cast<int>(height);
  out.pixels.assign(bytes.begin() + kHeaderSize, bytes.end());
  return true;
}

}  // namespace zarvel
