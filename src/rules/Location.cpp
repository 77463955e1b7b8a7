// Entering a location: choosing the variant of the current room that fits
// the world, taking its exits and entry effects, and describing it.

#include <algorithm>

#include "console/Console.h"
#include "data/World.h"
#include "game/Game.h"
#include "rules/ListElements.h"
#include "rules/Rules.h"

namespace zarvel {
namespace {

// "n,s,e,w,u,d"; a field with fewer numbers leaves the rest at 0 (no way),
// numbers after the sixth are ignored.
void CopyExits(World& world, const Text& exits) {
  const std::vector<Text> numbers = SplitText(exits, u",");
  for (size_t direction = 0; direction < 6; ++direction) {
    world.currentExits[direction] =
        direction < numbers.size() ? ParseIntLenient(numbers[direction]) : 0;
  }
}

// Replaces the last "," (with the space after it) by " a ": Czech joins the
// final pair of a list with "a".
Text JoinLastPairWithA(const Text& sentence) {
  const size_t comma = sentence.rfind(u',');
  if (comma == Text::npos) return sentence;
  size_t end = comma + 1;
  if (end < sentence.size() && sentence[end] == u' ') ++end;
  return sentence.substr(0, comma) + u" a " + sentence.substr(end);
}

// Describes the chosen variant: its text, the room events and the lists.
void DescribeVariant(Game& game, const LocationVariant& variant) {
  ConsolePrint(game, variant.description);
  if (game.world.pendingFlow != FlowRequest::Outro) RunRoomEvents(game);
  if (game.world.pendingFlow == FlowRequest::None) {
    ListVisibleItems(game);
    ListExits(game);
  }
}

}  // namespace

void EnterLocation(Game& game, bool quiet) {
  World& world = game.world;
  if (PlayerSlot* player = world.Player(world.currentPlayer)) {
    player->room = FormatInt(world.currentRoom);
  }
  world.currentExits.fill(0);
  const int count =
      std::min(world.locationVariants.count, world.locationVariants.capacity);
  for (int index = 0; index < count; ++index) {
    const LocationVariant& variant = world.locationVariants.slots[index];
    // Compared with the room as it is now: an entry effect "rm=" of a
    // variant that did not stop a quiet walk moves the rest of the walk.
    if (ParseIntLenient(variant.room) != world.currentRoom) continue;
    CopyExits(world, variant.exits);
    const bool unconditional = variant.conditions.empty();
    if (!unconditional && !EvaluateConditions(world, variant.conditions)) {
      continue;
    }
    if (!variant.effects.empty())
      ApplyEffects(game.world, game.platform, variant.effects);
    if (!quiet) DescribeVariant(game, variant);
    // A quiet re-entry passes over unconditional variants so that the
    // special variants after them still apply their exits and effects.
    if (quiet && unconditional) continue;
    return;
  }
}

void ListVisibleItems(Game& game) {
  World& world = game.world;
  Text sentence;
  for (int id = 1; id <= LastScannedItem(world); ++id) {
    const ItemRecord& item = world.items[id];
    if (item.location == world.currentRoom) sentence += item.name + u", ";
  }
  if (sentence.empty()) return;
  sentence.resize(sentence.size() - 2);
  sentence += u".";
  if (world.oldSchool == u"true") sentence = u"Vidíš " + sentence;
  ConsolePrint(game, u"");
  ConsolePrint(game, JoinLastPairWithA(sentence));
}

void ListExits(Game& game) {
  World& world = game.world;
  if (world.compassSetting != u"1" || world.pendingFlow != FlowRequest::None)
    return;
  static const char16_t* const kExitNames[6] = {
      u"sever, ", u"jih, ", u"východ, ", u"západ, ", u"nahoru, ", u"dolů, "};
  Text list;
  int open = 0;
  for (int direction = 0; direction < 6; ++direction) {
    if (world.currentExits[direction] > 0) {
      list += kExitNames[direction];
      ++open;
    }
  }
  if (open == 6) {
    ConsolePrint(game, u"Můžeš jít všemi směry.");
    return;
  }
  ConsolePrint(game, u"");
  if (open == 0) {
    ConsolePrint(game, u"Cesta nikam nevede.");
    return;
  }
  list.resize(list.size() - 2);
  list += u".";
  ConsolePrint(game, u"Můžeš jít na " + JoinLastPairWithA(list));
}

}  // namespace zarvel
