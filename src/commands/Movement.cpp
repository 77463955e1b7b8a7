// Walking through the exits of the location shown, and the inventory.

#include "commands/CommandParts.h"
#include "commands/Commands.h"
#include "console/Console.h"
#include "game/Game.h"
#include "rules/Rules.h"

namespace zarvel {
namespace {

struct DirectionKeys {
  const char* success;
  const char* blocked;
};

constexpr DirectionKeys kDirectionKeys[6] = {
    {"severano", "severne"},   {"jihano", "jihne"},
    {"vychodano", "vychodne"}, {"zapadano", "zapadne"},
    {"nahoruano", "nahorune"}, {"doluano", "dolune"},
};

}  // namespace

void Move(Game& game, int direction) {
  World& world = game.world;
  const int exit = world.currentExits[direction];
  if (exit <= 0) {
    ReplyWithKey(game, kDirectionKeys[direction].blocked);
    return;
  }
  world.currentRoom = exit;
  ReplyWithKey(game, kDirectionKeys[direction].success);
  ConsolePrint(game, u"");
  EnterLocation(game, false);
}

void ListInventory(Game& game) {
  World& world = game.world;
  Text list;
  for (int id = 0; id <= LastScannedItem(world); ++id) {
    if (world.items[id].location == world.InventoryCode())
      list += world.items[id].name + u", ";
  }
  Text sentence;
  if (list.empty()) {
    sentence = u"Nic u sebe nemáš.";
  } else {
    list.resize(list.size() - 2);
    sentence = u"Neseš " + list + u".";
    // Unlike the room's item list, the space after the comma stays.
    const size_t comma = sentence.rfind(u',');
    if (comma != Text::npos) sentence.replace(comma, 1, u" a");
  }
  ConsolePrint(game, sentence);
  RunInventoryEvents(game);
}

}  // namespace zarvel
