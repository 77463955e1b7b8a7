// Conversations: menus of the dialogue entries that fit the typed noun, the
// current level and the world, chosen with one key press.

#include <algorithm>
#include <array>

#include "commands/Commands.h"
#include "console/Console.h"
#include "console/InputWait.h"
#include "console/Prompts.h"
#include "game/Game.h"
#include "media/Keys.h"
#include "rules/Rules.h"

namespace zarvel {
namespace {

constexpr int kOptionCapacity = 98;

struct Conversation {
  int level = 1;
  // Runs on from the menu before in every later exchange, so a later
  // exchange always takes the menu path, even with one fitting entry.
  int count = 0;
  int lastFitting = -1;
  Text header;
  std::array<int, kOptionCapacity + 1> options{};  // option number -> entry
};

// The records that exist: the walk stops at the last one the file supplied.
int DialogueCount(const World& world) {
  return std::min(world.dialogues.count, world.dialogues.capacity);
}

bool Fits(World& world, const DialogueEntry& entry, const Text& noun,
          int level) {
  return ContainsText(entry.noun, noun) &&
         ParseIntLenient(entry.level) == level &&
         EvaluateConditions(world, entry.conditions);
}

void CountFittingEntries(Game& game, Conversation& talk, const Text& noun) {
  World& world = game.world;
  for (int index = 0; index < DialogueCount(world); ++index) {
    const DialogueEntry& entry = world.dialogues.slots[index];
    if (!Fits(world, entry, noun, talk.level)) continue;
    talk.header = u"Promluvil jsi na " + entry.noun + u".";
    talk.lastFitting = index;
    ++talk.count;
  }
}

void ListOptions(Game& game, Conversation& talk, const Text& noun) {
  World& world = game.world;
  talk.count = 0;
  for (int index = 0; index < DialogueCount(world); ++index) {
    const DialogueEntry& entry = world.dialogues.slots[index];
    if (!Fits(world, entry, noun, talk.level)) continue;
    talk.header = u"Promluvil jsi na " + entry.noun + u".";
    ++talk.count;
    if (talk.count <= kOptionCapacity) talk.options[talk.count] = index;
    ConsolePrint(game, FormatInt(talk.count) + u". " + entry.optionText);
  }
  ConsolePrint(game, u"");
  game.console.linesSincePause = 1;
}

void PlayEntry(Game& game, const DialogueEntry& entry) {
  ConsolePrint(game, entry.playerLine);
  ConsolePrint(game, entry.reply);
}

// One conversation until its level reaches 0, Escape, or a single opening
// entry has been played.
void Converse(Game& game, const Text& noun) {
  World& world = game.world;
  Conversation talk;
  for (bool opening = true;; opening = false) {
    CountFittingEntries(game, talk, noun);
    if (!talk.header.empty()) {
      ConsolePrint(game, talk.header);
      ConsolePrint(game, u"");
    }
    // Only the opening exchange may end without a menu: a later one after a
    // one-option menu with nothing fitting now would otherwise replay a
    // stale entry of the level before.
    if (opening && talk.count == 0) {
      ConsolePrint(game, u"Bohužel zde není vhodný objekt k rozhovoru.");
      return;
    }
    if (opening && talk.count == 1) {
      // A lone opening entry ends the talk whatever its next level says.
      const DialogueEntry& entry = world.dialogues.slots[talk.lastFitting];
      PlayEntry(game, entry);
      if (!entry.effects.empty())
        ApplyEffects(game.world, game.platform, entry.effects);
      return;
    }
    ListOptions(game, talk, noun);
    const int choosable = std::min(talk.count, kOptionCapacity);
    int option = 0;
    {
      const InputWaitScope waiting(game.console,
                                   {InputWait::Kind::OptionMenu, choosable});
      option = WaitForNumber(game.platform, choosable);
    }
    // Escape wins even over a valid key typed while it is held.
    if (option == 0 || game.platform.IsKeyDown(kKeyEscape)) {
      ConsolePrint(game, u"");
      ConsolePrint(game, u"Předčasně jsi ukončil rozhovor.");
      return;
    }
    const DialogueEntry& entry = world.dialogues.slots[talk.options[option]];
    PlayEntry(game, entry);
    talk.level = ParseIntLenient(entry.nextLevel);
    if (!entry.effects.empty())
      ApplyEffects(game.world, game.platform, entry.effects);
    if (talk.level == 0) {
      ConsolePrint(game, u"");
      return;
    }
  }
}

}  // namespace

void TalkTo(Game& game, const Text& noun) {
  Converse(game, noun);
  // Keys typed during the talk must not spill onto the command line.
  game.platform.DiscardInput();
}

}  // namespace zarvel
