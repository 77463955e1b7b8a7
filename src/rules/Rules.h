#pragma once
// The condition and effect language, entering a location, and the events
// that fire by themselves.
// The folder's interface header: named after the folder, it declares, for
// all of the folder's files, what the layers above may call (see
// ARCHITECTURE.md, "Headers").

#include <cstdint>

#include "media/Text.h"

namespace zarvel {

class Platform;
struct Game;
struct World;

// Evaluates a ";"-separated ConditionList; stores "true" or "" in
// world.conditionResult. The empty list never holds.
bool EvaluateConditions(World& world, const Text& conditions);
// Applies an EffectList element by element. "dropall=" writes its diagnostic
// through Platform::TraceLine.
void ApplyEffects(World& world, Platform& platform, const Text& effects);

void EnterLocation(Game& game, bool quiet);
void ListVisibleItems(Game& game);
void ListExits(Game& game);

// The timed room events after a description: counters that are on count
// one up, then every event that holds fires and prints its text.
void RunRoomEvents(Game& game);
// The same after an examine rule with effects: the texts stay silent
// unless an event requests a flow (the room was entered quietly).
void RunRoomEventsAfterExamine(Game& game);
void RunInventoryEvents(Game& game);

// The last item slot the scans "0 (or 1) to itemCount inclusive" may visit:
// the data's itemCount can name more items than the table holds.
int LastScannedItem(const World& world);

}  // namespace zarvel
