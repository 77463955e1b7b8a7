#pragma once
// The platforms' handles are indices + 1 into their own lists, so that 0
// stays "none" (see Platform.h). One lookup for every such list.

#include <cstddef>

namespace zarvel {

// The item of a handle, or null for 0 and for handles the list never gave.
template <typename Items>
auto* FindByHandle(Items& items, int handle) {
  if (handle < 1 || handle > static_cast<int>(items.size())) {
    return static_cast<decltype(&items[0])>(nullptr);
  }
  return &items[static_cast<size_t>(handle) - 1];
}

}  // namespace zarvel
