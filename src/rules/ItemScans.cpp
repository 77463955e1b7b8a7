// The two facts every item scan needs: which code means "carried by the
// current player", and where the scan has to stop.

#include <algorithm>

#include "data/World.h"
#include "rules/Rules.h"

namespace zarvel {

int64_t InventoryCodeOf(const World& world) {
  return 999 + static_cast<int64_t>(world.currentPlayer);
}

int LastScannedItem(const World& world) {
  return std::min(world.itemCount, kItemCapacity - 1);
}

}  // namespace zarvel
