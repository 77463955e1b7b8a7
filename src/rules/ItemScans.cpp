// Where every item scan has to stop.

#include <algorithm>

#include "data/World.h"
#include "rules/Rules.h"

namespace zarvel {

int LastScannedItem(const World& world) {
  return std::min(world.itemCount, kItemCapacity - 1);
}

}  // namespace zarvel
