// The condition half of the rules language: a ";"-separated list holds only
// when every element is a recognised form and is satisfied.

#include "data/World.h"
#include "rules/Language.h"
#include "rules/ListElements.h"
#include "rules/Rules.h"

namespace zarvel {
namespace {

// "rm=R" compares numbers; "rm=NT" compares texts, so "rm=N03" holds even
// in room 3 (the data relies on nothing else, but that is the language).
bool RoomHolds(const World& world, const Text& argument) {
  if (!argument.empty() && argument[0] == u'N') {
    return argument.substr(1) != FormatInt(world.currentRoom);
  }
  return world.currentRoom == ParseIntLenient(argument);
}

bool ItemHolds(World& world, const Text& argument) {
  const ElementPair pair = SplitPair(argument);
  if (!pair.hasSlash) {
    // The "at hand" form: here or carried by the current player.
    const ItemRecord* item = world.Item(ParseIntLenient(argument));
    if (item == nullptr) return false;
    return item->location == world.currentRoom ||
           static_cast<int64_t>(item->location) == world.InventoryCode();
  }
  const ItemRecord* item = world.Item(ParseIntLenient(pair.first));
  if (item == nullptr) return false;
  Text place = pair.second;
  bool negated = false;
  if (!place.empty() && place[0] == u'N') {
    negated = true;
    place = place.substr(1);
  }
  if (place == u"M") place = FormatInt(world.currentRoom);
  const bool equal = item->location == ParseIntLenient(place);
  return negated ? !equal : equal;
}

// Counter and player forms need their "/": without it there is no value to
// compare, and an element that does not parse makes its list fail.
bool CounterValueHolds(World& world, const Text& argument) {
  const ElementPair pair = SplitPair(argument);
  if (!pair.hasSlash) return false;
  const Counter* counter = world.CounterAt(ParseIntLenient(pair.first));
  return counter != nullptr && counter->value == ParseIntLenient(pair.second);
}

bool CounterStateHolds(World& world, const Text& argument) {
  const ElementPair pair = SplitPair(argument);
  if (!pair.hasSlash) return false;
  const Counter* counter = world.CounterAt(ParseIntLenient(pair.first));
  return counter != nullptr && counter->state == pair.second;
}

bool PlayerHolds(World& world, const Text& argument) {
  const ElementPair pair = SplitPair(argument);
  if (!pair.hasSlash) return false;
  const PlayerSlot* player = world.Player(ParseIntLenient(pair.first));
  if (player == nullptr) return false;
  const Text room =
      pair.second == u"M" ? FormatInt(world.currentRoom) : pair.second;
  return player->room == room;
}

bool ElementHolds(World& world, const Text& element) {
  Text argument;
  const Keyword<Condition>* keyword = FindConditionKeyword(element, argument);
  if (keyword == nullptr) return false;
  switch (keyword->kind) {
    case Condition::Room:
      return RoomHolds(world, argument);
    case Condition::Item:
      return ItemHolds(world, argument);
    case Condition::CounterValue:
      return CounterValueHolds(world, argument);
    case Condition::CounterState:
      return CounterStateHolds(world, argument);
    case Condition::Player:
      return PlayerHolds(world, argument);
  }
  return false;
}

}  // namespace

bool EvaluateConditions(World& world, const Text& conditions) {
  world.conditionResult.clear();
  // Every element is examined even after a failing one; nothing here has
  // side effects, so the result is the same as stopping early would give,
  // but the count makes the rule "all elements recognised and satisfied"
  // explicit.
  const std::vector<Text> elements = SplitText(conditions, u";");
  size_t satisfied = 0;
  for (const Text& element : elements) {
    if (ElementHolds(world, element)) ++satisfied;
  }
  const bool holds = satisfied == elements.size();
  if (holds) world.conditionResult = u"true";
  return holds;
}

}  // namespace zarvel
