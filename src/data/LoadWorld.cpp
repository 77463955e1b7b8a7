// Rebuilding the World from the embedded data files, in the fixed order the
// data was written for. Only what the files name is set again: score,
// commandCount, pendingFlow, conditionResult and currentExits carry over, and
// so does anything in a slot the files do not reach.
#include "data/World.h"

namespace zarvel {

void LoadWorld(World& world, const ResourceSet& resources,
               const StopCheck& stop) {
  for (Counter& counter : world.counters) counter = Counter();

  ReadInitialization(world, ReadTextLines(resources, kInitFile));
  const PlayerSlot* player = world.Player(world.currentPlayer);
  world.currentRoom = player == nullptr ? 0 : ParseIntLenient(player->room);

  ReadItems(world, ReadTextLines(resources, kItemsFile));

  // Escape or closing the window cuts these files short (the rest of each
  // stays unread); the others are always read whole.
  ReadLocations(world, ReadTextLines(resources, kLocationsFile), stop);
  ReadRules(world.examineRules, ReadTextLines(resources, kExamineFile),
            kObjectRuleRecordLines, stop);
  ReadRules(world.useRules, ReadTextLines(resources, kUseFile),
            kObjectRuleRecordLines, stop);
  ReadEvents(world.inventoryEvents,
             ReadTextLines(resources, kInventoryEventsFile), stop);
  ReadEvents(world.events, ReadTextLines(resources, kEventsFile), stop);
  ReadRules(world.takeRules, ReadTextLines(resources, kTakeRulesFile),
            kItemRuleRecordLines, stop);
  ReadRules(world.dropRules, ReadTextLines(resources, kDropRulesFile),
            kItemRuleRecordLines, stop);
  world.legendText =
      JoinTrimmedLines(ReadTextLines(resources, kLegendFile), stop);
  world.dictionaryText =
      JoinTrimmedLines(ReadTextLines(resources, kDictionaryFile), stop);

  world.introLines = ReadTextLines(resources, kIntroFile);
  world.outroLines = ReadTextLines(resources, kOutroFile);
  world.helpLines = ReadTextLines(resources, kHelpFile);

  ReadDialogues(world, ReadTextLines(resources, kDialoguesFile));
}

}  // namespace zarvel
