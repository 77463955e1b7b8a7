#pragma once
// The decoded images of a platform that draws them itself (the headless and
// the web platforms): read from the resource set, found by handle, and kept
// where they are for the life of the list, because recorded frames point
// at them.

#include <deque>
#include <string>

#include "media/Platform.h"
#include "media/PngCodec.h"
#include "media/ResourceSet.h"

namespace zarvel {

class ImageList {
 public:
  // Decodes the PNG named as a file or "incbin::" + resource name; 0 when
  // it cannot be read or decoded.
  ImageHandle Load(const ResourceSet& resources, const std::string& name);
  // Null for 0 and unknown handles.
  const RgbaImage* Find(ImageHandle image) const;
  // 0 x 0 for 0 and unknown handles.
  ImageSize SizeOf(ImageHandle image) const;

 private:
  std::deque<RgbaImage> images_;
};

}  // namespace zarvel
