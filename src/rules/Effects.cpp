// The effect half of the rules language: elements applied in order, each at
// once, so later elements see what earlier ones changed.

#include <cstdint>

#include "data/World.h"
#include "media/Platform.h"
#include "media/WrappingInt.h"
#include "rules/Language.h"
#include "rules/ListElements.h"
#include "rules/Rules.h"

namespace zarvel {
namespace {

void PlaceItem(World& world, const Text& argument) {
  const ElementPair pair = SplitPair(argument);
  ItemRecord* item = world.Item(ParseIntLenient(pair.first));
  if (item == nullptr) return;
  if (!pair.hasSlash) {
    item->location = 0;  // "pr=I" alone takes the item out of play
  } else if (pair.second == u"M") {
    item->location = world.currentRoom;
  } else if (pair.second == u"I") {
    item->location = static_cast<int>(world.InventoryCode());
  } else {
    item->location = ParseIntLenient(pair.second);
  }
}

void DropAll(World& world, Platform& platform, const Text& argument) {
  const ElementPair pair = SplitPair(argument);
  if (!pair.hasSlash) return;
  const int64_t carriedCode = 999 + int64_t{ParseIntLenient(pair.first)};
  const int place = ParseIntLenient(pair.second);
  for (int id = 0; id <= LastScannedItem(world); ++id) {
    ItemRecord& item = world.items[id];
    if (item.location == carriedCode) item.location = place;
  }
  platform.TraceLine(u"dropall activated");
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

void ApplyElement(World& world, Platform& platform, const Text& element) {
  Text argument;
  const Keyword<Effect>* keyword = FindEffectKeyword(element, argument);
  if (keyword == nullptr) return;  // anything else is ignored without a word
  switch (keyword->kind) {
    case Effect::Room:
      world.currentRoom = ParseIntLenient(argument);
      world.pendingFlow = FlowRequest::RoomReload;
      break;
    case Effect::Compass:
      world.compassSetting = FormatInt(ParseIntLenient(argument));
      break;
    case Effect::Score:
      world.score = WrappingAdd(world.score, ParseIntLenient(argument));
      break;
    case Effect::Item:
      PlaceItem(world, argument);
      break;
    case Effect::DropAll:
      DropAll(world, platform, argument);
      break;
    case Effect::EndCredits:
      world.pendingFlow = FlowRequest::EndCredits;
      break;
    case Effect::Outro:
      world.pendingFlow = FlowRequest::Outro;
      break;
    case Effect::CounterValue:
      SetCounterValue(world, argument);
      break;
    case Effect::CounterState:
      SetCounterState(world, argument);
      break;
    case Effect::ExitNorth:
    case Effect::ExitSouth:
    case Effect::ExitEast:
    case Effect::ExitWest:
    case Effect::ExitUp:
    case Effect::ExitDown:
      world.currentExits[ExitIndexOf(keyword->kind)] =
          ParseIntLenient(argument);
      break;
  }
}

}  // namespace

void ApplyEffects(World& world, Platform& platform, const Text& effects) {
  for (const Text& element : SplitText(effects, u";")) {
    ApplyElement(world, platform, element);
  }
}

}  // namespace zarvel
