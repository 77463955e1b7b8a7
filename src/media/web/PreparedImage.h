#pragma once
// An image decoded at build time by the native PngCodec, for the page,
// which has no libpng: "ZRGBA8\0\0", uint32 width and height (little-endian)
// and the RGBA pixels, rows top-down. The web server compresses it on the
// way as it would a PNG.

#include <string>

#include "media/PngCodec.h"

namespace zarvel {

std::string EncodePreparedImage(const RgbaImage& image);
// False when the bytes are not a whole prepared image.
bool DecodePreparedImage(const std::string& bytes, RgbaImage& out);

}  // namespace zarvel
