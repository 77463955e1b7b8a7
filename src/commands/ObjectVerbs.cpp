// Take, drop, examine and use. Take and drop move items between the room
// and the inventory after their action rules had their say; examine and use
// are nothing but their rule files.

#include <algorithm>

#include "commands/CommandParts.h"
#include "commands/Commands.h"
#include "console/Console.h"
#include "game/Game.h"
#include "rules/Rules.h"

namespace zarvel {
namespace {

constexpr size_t kShortestNoun = 3;

bool IsCarried(const World& world, const ItemRecord& item) {
  return item.location == world.InventoryCode();
}

int CountCarried(const World& world) {
  int carried = 0;
  for (int id = 0; id <= LastScannedItem(world); ++id) {
    if (IsCarried(world, world.items[id])) ++carried;
  }
  return carried;
}

Text WithCapitalFirst(const Text& name) {
  if (name.empty()) return name;
  return UpperText(name.substr(0, 1)) + name.substr(1);
}

// Rules are tried in file order; the first whose noun contains the typed one
// and whose conditions hold is the one that fires.
const RuleEntry* FirstFiringRule(World& world,
                                 const Table<RuleEntry, kRuleCapacity>& rules,
                                 const Text& noun) {
  const int count = std::min(rules.count, rules.capacity);
  for (int index = 0; index < count; ++index) {
    const RuleEntry& rule = rules.slots[index];
    if (ContainsText(rule.noun, noun) &&
        EvaluateConditions(world, rule.conditions)) {
      return &rule;
    }
  }
  return nullptr;
}

// An action rule's blocking field decides whether the ordinary take or drop
// still follows.
int RunActionRules(Game& game, const Table<RuleEntry, kRuleCapacity>& rules,
                   const Text& noun) {
  const RuleEntry* rule = FirstFiringRule(game.world, rules, noun);
  if (rule == nullptr) return 0;
  if (!rule->effects.empty())
    ApplyEffects(game.world, game.platform, rule->effects);
  const int blocking = ParseIntLenient(rule->blocking);
  ConsolePrint(game, rule->text);
  return blocking;
}

// Examine and use: the firing rule prints its text; when it changes the
// world, the room is taken up again quietly so that its variant, exits and
// entry effects follow the change.
bool FireVerbRule(Game& game, const Table<RuleEntry, kRuleCapacity>& rules,
                  const Text& noun, bool runEvents) {
  const RuleEntry* rule = FirstFiringRule(game.world, rules, noun);
  if (rule == nullptr) return false;
  ConsolePrint(game, rule->text);
  if (!rule->effects.empty()) {
    ApplyEffects(game.world, game.platform, rule->effects);
    EnterLocation(game, true);
    if (runEvents) RunRoomEventsAfterExamine(game);
  }
  return true;
}

}  // namespace

int RunTakeRules(Game& game, const Text& noun) {
  return RunActionRules(game, game.world.takeRules, noun);
}

int RunDropRules(Game& game, const Text& noun) {
  return RunActionRules(game, game.world.dropRules, noun);
}

void TakeItem(Game& game, const Text& noun) {
  if (noun.size() < kShortestNoun) {
    ConsolePrint(game, u"No tak tohle tu opravdu není, promiň.");
    return;
  }
  if (RunTakeRules(game, noun) != 0) return;
  World& world = game.world;
  for (int id = 0; id <= LastScannedItem(world); ++id) {
    ItemRecord& item = world.items[id];
    if (!ContainsText(item.name, noun)) continue;
    if (item.location == world.currentRoom) {
      if (item.mobility == u"static") {
        ReplyWithKey(game, "seber_static");
      } else if (CountCarried(world) < ParseIntLenient(world.inventoryLimit)) {
        ReplyWithKeyFramed(game, "seber_ano", Text(),
                           u" " + item.takenName + u".");
        item.location = static_cast<int>(world.InventoryCode());
      } else {
        ReplyWithKey(game, "plny_inventar");
      }
      return;
    }
    if (IsCarried(world, item)) {
      // The stock text begins with its own space.
      ReplyWithKeyFramed(game, "predmet_usebe", WithCapitalFirst(item.name),
                         Text());
      return;
    }
    // Lying elsewhere: a later item with the same name part may still fit.
  }
  ReplyWithKey(game, "seber_ne");
}

void DropItem(Game& game, const Text& noun) {
  if (noun.size() < kShortestNoun) {
    ConsolePrint(
        game, u"Bohužel mi přijde, že se snažíš o něco, co ti není souzeno.");
    return;
  }
  if (RunDropRules(game, noun) != 0) return;
  World& world = game.world;
  for (int id = 0; id <= LastScannedItem(world); ++id) {
    ItemRecord& item = world.items[id];
    if (!ContainsText(item.name, noun) || !IsCarried(world, item)) continue;
    item.location = world.currentRoom;
    ReplyWithKeyFramed(game, "poloz_ano", Text(), u" " + item.name + u".");
    return;
  }
  ReplyWithKey(game, "poloz_ne");
}

void ExamineObject(Game& game, const Text& noun) {
  if (noun.size() < kShortestNoun) {
    ConsolePrint(game,
                 u"Hmm, nevím, ale to je málo k tomu abychom něco "
                 u"prozkoumali.");
    return;
  }
  if (!FireVerbRule(game, game.world.examineRules, noun, true)) {
    ReplyWithKey(game, "prozkoumej_ne");
  }
}

void UseObject(Game& game, const Text& noun) {
  if (noun.size() < kShortestNoun) {
    ConsolePrint(game,
                 u"Daný příkaz je sice správný, nicméně, neproveditelný.");
    return;
  }
  if (!FireVerbRule(game, game.world.useRules, noun, false)) {
    ReplyWithKey(game, "pouzij_ne");
  }
}

}  // namespace zarvel
