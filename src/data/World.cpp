// Bounds-checked access to the World's tables: data and position files may
// name any number, and a number outside a table must be ignored rather than
// touch memory beside it.
#include "data/World.h"

namespace zarvel {

namespace {

template <typename T>
T* SlotOrNull(std::vector<T>& slots, int index) {
  if (index < 0 || static_cast<size_t>(index) >= slots.size()) return nullptr;
  return &slots[static_cast<size_t>(index)];
}

}  // namespace

Text World::CurrentGender() const {
  if (currentPlayer < 0 || currentPlayer >= kPlayerCapacity) return Text();
  return players[static_cast<size_t>(currentPlayer)].gender;
}

ItemRecord* World::Item(int id) { return SlotOrNull(items, id); }

Counter* World::CounterAt(int number) { return SlotOrNull(counters, number); }

PlayerSlot* World::Player(int number) { return SlotOrNull(players, number); }

}  // namespace zarvel
