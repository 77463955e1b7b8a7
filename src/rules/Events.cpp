// The events that fire by themselves, and the clock of the counters.

#include <algorithm>
#include <cstdint>

#include "console/Console.h"
#include "data/World.h"
#include "game/Game.h"
#include "media/WrappingInt.h"
#include "rules/Rules.h"

namespace zarvel {
namespace {

// Every event whose conditions hold when it is reached fires, in file
// order; an event sees the effects of the ones before it in this pass.
void FireEvents(Game& game, const Table<EventEntry, kRuleCapacity>& table,
                int mode) {
  World& world = game.world;
  const int count = std::min(table.count, table.capacity);
  for (int index = 0; index < count; ++index) {
    const EventEntry& event = table.slots[index];
    if (!EvaluateConditions(world, event.conditions)) continue;
    if (!event.effects.empty()) ApplyEffects(game, event.effects);
    if (event.text.empty()) continue;
    // After an examine (mode 1) the room was entered quietly, so event
    // texts stay silent unless a flow request makes them part of the story.
    if (mode == 0 || !world.pendingFlow.empty()) {
      ConsolePrint(game, u"");
      ConsolePrint(game, event.text);
    }
  }
}

}  // namespace

void RunRoomEvents(Game& game, int mode) {
  for (Counter& counter : game.world.counters) {
    if (counter.state == u"on") {
      counter.value = WrappingAdd(counter.value, 1);
    }
  }
  FireEvents(game, game.world.events, mode);
}

void RunInventoryEvents(Game& game, int mode) {
  FireEvents(game, game.world.inventoryEvents, mode);
}

}  // namespace zarvel
