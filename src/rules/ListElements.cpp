#include "rules/ListElements.h"

#include <algorithm>

namespace zarvel {

bool TakeKeyword(const Text& element, const Text& keyword, Text& argument) {
  if (element.size() < keyword.size() ||
      element.compare(0, keyword.size(), keyword) != 0) {
    return false;
  }
  argument = element.substr(keyword.size());
  return true;
}

ElementPair SplitPair(const Text& argument) {
  ElementPair pair;
  const size_t slash = argument.find(u'/');
  if (slash == Text::npos) {
    pair.first = argument;
    return pair;
  }
  pair.hasSlash = true;
  pair.first = argument.substr(0, slash);
  pair.second = argument.substr(slash + 1);
  return pair;
}

int64_t InventoryCodeOf(const World& world) {
  return 999 + static_cast<int64_t>(world.currentPlayer);
}

int LastScannedItem(const World& world) {
  return std::min(world.itemCount, kItemCapacity - 1);
}

}  // namespace zarvel
