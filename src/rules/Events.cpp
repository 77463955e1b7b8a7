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

// After an examine the room was entered quietly, so event texts stay silent
// unless a flow request makes them part of the story.
enum class EventTexts { Shown, QuietUnlessFlow };

// Every event whose conditions hold when it is reached fires, in file
// order; an event sees the effects of the ones before it in this pass.
void FireEvents(Game& game, const Table<EventEntry, kRuleCapacity>& table,
                EventTexts texts) {
  World& world = game.world;
  const int count = std::min(table.count, table.capacity);
  for (int index = 0; index < count; ++index) {
    const EventEntry& event = table.slots[index];
    if (!EvaluateConditions(world, event.conditions)) continue;
    if (!event.effects.empty())
      ApplyEffects(game.world, game.platform, event.effects);
    if (event.text.empty()) continue;
    if (texts == EventTexts::Shown || world.pendingFlow != FlowRequest::None) {
      ConsolePrint(game, u"");
      ConsolePrint(game, event.text);
    }
  }
}

void RunRoomEvents(Game& game, EventTexts texts) {
  for (Counter& counter : game.world.counters) {
    if (counter.state == u"on") {
      counter.value = WrappingAdd(counter.value, 1);
    }
  }
  FireEvents(game, game.world.events, texts);
}

}  // namespace

void RunRoomEvents(Game& game) { RunRoomEvents(game, EventTexts::Shown); }

void RunRoomEventsAfterExamine(Game& game) {
  RunRoomEvents(game, EventTexts::QuietUnlessFlow);
}

void RunInventoryEvents(Game& game) {
  FireEvents(game, game.world.inventoryEvents, EventTexts::Shown);
}

}  // namespace zarvel
