// The effect half of the rules language: elements applied in order, each at
// once, so later elements see what earlier ones changed.

#include <cstdint>

#include "data/World.h"
#include "game/Game.h"
#include "rules/ListElements.h"
#include "rules/Rules.h"

namespace zarvel {
namespace {

// Sums wrap at 32 bits like every other number of the game instead of
// overflowing into undefined behaviour.
int WrappingAdd(int a, int b) {
  return static_cast<int32_t>(static_cast<uint32_t>(a) +
                              static_cast<uint32_t>(b));
}

void PlaceItem(World& world, const Text& argument) {
  const ElementPair pair = SplitPair(argument);
  ItemRecord* item = world.Item(ParseIntLenient(pair.first));
  if (item == nullptr) return;
  if (!pair.hasSlash) {
    item->location = 0;  // "pr=I" alone takes the item out of play
  } else if (pair.second == u"M") {
    item->location = world.currentRoom;
  } else if (pair.second == u"I") {
    item->location = static_cast<int>(InventoryCodeOf(world));
  } else {
    item->location = ParseIntLenient(pair.second);
  }
}

void DropAll(Game& game, const Text& argument) {
  const ElementPair pair = SplitPair(argument);
  if (!pair.hasSlash) return;
  World& world = game.world;
  const int64_t carriedCode = 999 + int64_t{ParseIntLenient(pair.first)};
  const int place = ParseIntLenient(pair.second);
  for (int id = 0; id <= LastScannedItem(world); ++id) {
    ItemRecord& item = world.items[id];
    if (item.location == carriedCode) item.location = place;
  }
  game.platform.TraceLine(u"dropall activated");
}

void SetCounterValue(World& world, const Text& argument) {
  const ElementPair pair = SplitPair(argument);
  if (!pair.hasSlash) return;
  Counter* counter = world.CounterAt(ParseIntLenient(pair.first));
  if (counter != nullptr) counter->value = ParseIntLenient(pair.second);
}

void SetCounterState(World& world, const Text& argument) {
  const ElementPair pair = SplitPair(argument);
  if (!pair.hasSlash) return;
  Counter* counter = world.CounterAt(ParseIntLenient(pair.first));
  if (counter != nullptr) counter->state = pair.second;
}

bool SetExit(World& world, const Text& element) {
  static const char16_t* const kExitKeywords[6] = {u"s=", u"j=", u"v=",
                                                   u"z=", u"n=", u"d="};
  Text argument;
  for (int direction = 0; direction < 6; ++direction) {
    if (TakeKeyword(element, kExitKeywords[direction], argument)) {
      world.currentExits[direction] = ParseIntLenient(argument);
      return true;
    }
  }
  return false;
}

void ApplyElement(Game& game, const Text& element) {
  World& world = game.world;
  Text argument;
  if (TakeKeyword(element, u"rm=", argument)) {
    world.currentRoom = ParseIntLenient(argument);
    world.pendingFlow = u"roomreload";
  } else if (TakeKeyword(element, u"kompas=", argument)) {
    world.compassSetting = FormatInt(ParseIntLenient(argument));
  } else if (TakeKeyword(element, u"sc=", argument)) {
    world.score = WrappingAdd(world.score, ParseIntLenient(argument));
  } else if (TakeKeyword(element, u"pr=", argument)) {
    PlaceItem(world, argument);
  } else if (TakeKeyword(element, u"dropall=", argument)) {
    DropAll(game, argument);
  } else if (TakeKeyword(element, u"endcredits", argument)) {
    world.pendingFlow = u"endcredits";
  } else if (TakeKeyword(element, u"outro", argument)) {
    world.pendingFlow = u"outro";
  } else if (TakeKeyword(element, u"cnt=", argument)) {
    SetCounterValue(world, argument);
  } else if (TakeKeyword(element, u"cnt_st=", argument)) {
    SetCounterState(world, argument);
  } else {
    SetExit(world, element);  // anything else is ignored without a word
  }
}

}  // namespace

void ApplyEffects(Game& game, const Text& effects) {
  for (const Text& element : SplitText(effects, u";")) {
    ApplyElement(game, element);
  }
}

}  // namespace zarvel
