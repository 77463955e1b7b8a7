// The PngCodec of the web build: there is no libpng in the page, so its
// images are decoded at build time (see PreparedImage.h) and "decoding"
// reads that form. Nothing in the page writes PNGs.
#include "media/PngCodec.h"
#include "media/web/PreparedImage.h"

namespace zarvel {

bool DecodePng(const std::string& bytes, RgbaImage& out) {
  return DecodePreparedImage(bytes, out);
}

bool EncodePng(const RgbaImage&, std::string&) { return false; }

}  // namespace zarvel
