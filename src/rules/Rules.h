#pragma once
// The condition and effect language, entering a location, and the events
// that fire by themselves.

#include "media/Text.h"

namespace zarvel {

struct Game;
struct World;

// Evaluates a ";"-separated ConditionList; stores "true" or "" in
// world.conditionResult. The empty list never holds.
bool EvaluateConditions(World& world, const Text& conditions);
// Applies an EffectList element by element. "dropall=" writes its diagnostic
// through Platform::TraceLine.
void ApplyEffects(Game& game, const Text& effects);

void EnterLocation(Game& game, bool quiet);
void ListVisibleItems(Game& game);
void ListExits(Game& game);

// Mode 0 after a description, 1 after an examine rule with effects.
void RunRoomEvents(Game& game, int mode);
void RunInventoryEvents(Game& game, int mode);

}  // namespace zarvel
