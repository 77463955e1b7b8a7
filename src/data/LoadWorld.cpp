// Rebuilding the World from the embedded data files, in the fixed order the
// data was written for. Only what the files name is set again: score,
// commandCount, pendingFlow, conditionResult and currentExits carry over, and
// so does anything in a slot the files do not reach.
#include "data/World.h"

namespace zarvel {

void LoadWorld(World& world, const StopCheck& stop) {
  for (Counter& counter : world.counters) counter = Counter();

  ReadInitialization(world, ReadTextLines(kInitFile));
  const PlayerSlot* player = world.Player(world.currentPlayer);
  world.currentRoom = player == nullptr ? 0 : ParseIntLenient(player->room);

  ReadItems(world, ReadTextLines(kItemsFile));

  // Escape or closing the window cuts these files short (the rest of each
  // stays unread); the others are always read whole.
  ReadLocations(world, ReadTextLines(kLocationsFile), stop);
  ReadRules(world.examineRules, ReadTextLines(kExamineFile),
            kObjectRuleRecordLines, stop);
  ReadRules(world.useRules, ReadTextLines(kUseFile), kObjectRuleRecordLines,
            stop);
  ReadEvents(world.inventoryEvents, ReadTextLines(kInventoryEventsFile), stop);
  ReadEvents(world.events, ReadTextLines(kEventsFile), stop);
  ReadRules(world.takeRules, ReadTextLines(kTakeRulesFile),
            kItemRuleRecordLines, stop);
  ReadRules(world.dropRules, ReadTextLines(kDropRulesFile),
            kItemRuleRecordLines, stop);
  world.legendText = JoinTrimmedLines(ReadTextLines(kLegendFile), stop);
  world.dictionaryText = JoinTrimmedLines(ReadTextLines(kDictionaryFile), stop);

  world.introLines = ReadTextLines(kIntroFile);
  world.outroLines = ReadTextLines(kOutroFile);
  world.helpLines = ReadTextLines(kHelpFile);

  ReadDialogues(world, ReadTextLines(kDialoguesFile));
}

}  // namespace zarvel
