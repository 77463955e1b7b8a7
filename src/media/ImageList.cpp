#include "media/ImageList.h"

#include "media/Handles.h"
#include "media/NamedFiles.h"

namespace zarvel {

ImageHandle ImageList::Load(const ResourceSet& resources,
                            const std::string& name) {
  std::string bytes;
  RgbaImage image;
  if (!ReadFileBytes(resources, name, bytes) || !DecodePng(bytes, image)) {
    return 0;
  }
  images_.push_back(std::move(image));
  return static_cast<ImageHandle>(images_.size());
}

const RgbaImage* ImageList::Find(ImageHandle image) const {
  return FindByHandle(images_, image);
}

ImageSize ImageList::SizeOf(ImageHandle image) const {
  const RgbaImage* found = Find(image);
  if (found == nullptr) return {};
  return {found->width, found->height};
}

}  // namespace zarvel
