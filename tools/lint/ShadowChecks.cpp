#include "ShadowChecks.h"

#include <algorithm>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "ListSites.h"
#include "ListSyntax.h"

namespace zarvel::lint {

namespace {

constexpr int kFirstCarriedCode = 1000;  // 999 + player 1
constexpr int kLastCarriedCode = 999 + kPlayerCapacity - 1;

bool IsCarriedCode(int place) {
  return place >= kFirstCarriedCode && place <= kLastCarriedCode;
}

// Where an item can be at hand: in some rooms, in any room (put down by a
// rule wherever the player stands), or carried (then at hand everywhere).
struct Presence {
  std::set<int> rooms;
  bool anyRoom = false;
  bool carried = false;
  bool Anywhere() const { return anyRoom || carried; }
  bool Ever() const { return Anywhere() || !rooms.empty(); }
  bool In(int room) const { return Anywhere() || rooms.contains(room); }
};

struct Places {
  std::set<int> roomNumbers;
  std::vector<Presence> items = std::vector<Presence>(kItemCapacity);
};

void AddPlace(Presence& presence, int place, const Places& places) {
  if (places.roomNumbers.contains(place)) presence.rooms.insert(place);
  if (IsCarriedCode(place)) presence.carried = true;
}

Places FindPlaces(const DataSet& data) {
  Places places;
  const World& world = *data.world;
  for (int r = 0; r < world.locationVariants.count; ++r) {
    places.roomNumbers.insert(
        ParseIntLenient(world.locationVariants.slots[r].room));
  }
  for (int id = 1; id <= world.itemCount && id < kItemCapacity; ++id) {
    AddPlace(places.items[id], world.items[id].location, places);
  }
  for (const ListSite& site : ListSites(data, ListKind::kEffects)) {
    for (const ListElement& e : SplitList(site.text, ListKind::kEffects)) {
      if (e.keyword != u"pr=" || !e.hasSlash) continue;
      const auto id = IntegerOf(e.first);
      if (!id || *id <= 0 || *id >= kItemCapacity) continue;
      Presence& presence = places.items[*id];
      if (e.second == u"I") {
        presence.carried = true;
      } else if (e.second == u"M") {
        const int room = site.variantRoom != 0
                             ? site.variantRoom
                             : RoomOfConditions(site.recordConditions);
        if (room != 0) {
          presence.rooms.insert(room);
        } else {
          presence.anyRoom = true;
        }
      } else if (const auto place = IntegerOf(e.second)) {
        AddPlace(presence, *place, places);
      }
    }
  }
  // A movable item that is ever at hand can be taken, and then carried.
  for (int id = 1; id <= world.itemCount && id < kItemCapacity; ++id) {
    if (world.items[id].mobility != u"static" && places.items[id].Ever()) {
      places.items[id].carried = true;
    }
  }
  return places;
}

// Can both condition lists hold at the same moment? Only contradictions the
// lists state about rooms and item places are found (see the header).
bool CanHoldTogether(const Text& first, const Text& second,
                     const Places& places) {
  std::set<int> rooms;
  std::set<int> notRooms;
  std::set<int> atHand;
  std::vector<std::set<int>> placeIs(kItemCapacity);
  std::vector<std::set<int>> placeIsNot(kItemCapacity);
  std::vector<int> touched;
  for (const Text* list : {&first, &second}) {
    for (const ListElement& e : SplitList(*list, ListKind::kConditions)) {
      if (e.keyword == u"rm=") {
        if (e.argument.starts_with(u"N")) {
          if (auto room = IntegerOf(e.argument.substr(1))) {
            notRooms.insert(*room);
          }
        } else if (auto room = IntegerOf(e.argument)) {
          rooms.insert(*room);
        }
      } else if (e.keyword == u"pr=") {
        const auto id = IntegerOf(e.hasSlash ? e.first : e.argument);
        if (!id || *id <= 0 || *id >= kItemCapacity) continue;
        touched.push_back(*id);
        if (!e.hasSlash) {
          atHand.insert(*id);
          continue;
        }
        const bool negated = e.second.starts_with(u"N");
        const Text place = negated ? e.second.substr(1) : e.second;
        if (place == u"M") continue;  // the current room: not followed
        if (auto number = IntegerOf(place)) {
          (negated ? placeIsNot : placeIs)[*id].insert(*number);
        }
      }
    }
  }
  if (rooms.size() > 1) return false;
  const bool knownRoom = !rooms.empty();
  const int room = knownRoom ? *rooms.begin() : 0;
  if (knownRoom && notRooms.contains(room)) return false;
  for (int id : touched) {
    const std::set<int>& is = placeIs[id];
    if (is.size() > 1) return false;
    for (int place : is) {
      if (placeIsNot[id].contains(place)) return false;
    }
    if (!atHand.contains(id)) continue;
    for (int place : is) {
      if (IsCarriedCode(place)) continue;
      if (!places.roomNumbers.contains(place)) return false;  // stored away
      if (knownRoom && place != room) return false;
    }
    const Presence& presence = places.items[id];
    if (!presence.Ever()) return false;
    if (knownRoom && !presence.In(room)) return false;
  }
  return true;
}

bool IsLetter(char16_t c) {
  return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') ||
         (c >= 0xC0 && c != 0xD7 && c != 0xF7 && c != 0xA0 && c < 0x2000);
}

// The names a player calls a record by: its whole noun, and each of its
// words long enough to be typed (the verbs take three characters or more).
std::vector<Text> CallNames(const Text& noun) {
  std::vector<Text> names{noun};
  for (const Text& word : SplitText(noun, u" ")) {
    if (word.size() >= 3 && word != noun) names.push_back(word);
  }
  return names;
}

// The first call name of `later` that `earlier` holds inside a longer word.
std::optional<Text> HeldInsideAWord(const Text& earlier, const Text& later) {
  if (earlier == later) return std::nullopt;
  for (const Text& name : CallNames(later)) {
    for (size_t at = earlier.find(name); at != Text::npos;
         at = earlier.find(name, at + 1)) {
      const size_t end = at + name.size();
      const bool letterBefore = at > 0 && IsLetter(earlier[at - 1]);
      const bool letterAfter = end < earlier.size() && IsLetter(earlier[end]);
      if (letterBefore || letterAfter) return name;
    }
  }
  return std::nullopt;
}

std::string Shadow(const Text& typed, const Text& earlierNoun,
                   int earlierLine) {
  return Quoted(typed) + " names this record, but the earlier record on line " +
         std::to_string(earlierLine) + " (" + Quoted(earlierNoun) +
         ") holds it inside a word and answers first wherever both apply";
}

struct Nouned {
  Text noun;
  Text conditions;
  int line = 0;
};

std::vector<Nouned> RulesOf(const Table<RuleEntry, kRuleCapacity>& table,
                            int recordLength) {
  std::vector<Nouned> rules;
  for (int r = 0; r < table.count; ++r) {
    const RuleEntry& rule = table.slots[r];
    rules.push_back(
        {rule.noun, rule.conditions, LineOfField(recordLength, r, 1)});
  }
  return rules;
}

std::set<Text> ElementsOf(const Text& conditions) {
  std::set<Text> elements;
  for (const Text& e : SplitText(conditions, u";")) elements.insert(e);
  return elements;
}

// Does a record before `earlier` answer the typed name whenever `earlier`
// would (its conditions are a part of the earlier record's)? Then the
// earlier record never gets the typed name, and shadows nothing with it.
bool AnsweredBefore(const std::vector<Nouned>& records, size_t earlier,
                    const Text& typed) {
  const std::set<Text> conditions = ElementsOf(records[earlier].conditions);
  for (size_t c = 0; c < earlier; ++c) {
    if (records[c].conditions.empty() ||
        !ContainsText(records[c].noun, typed)) {
      continue;
    }
    bool implied = true;
    for (const Text& e : ElementsOf(records[c].conditions)) {
      implied = implied && conditions.contains(e);
    }
    if (implied) return true;
  }
  return false;
}

void CheckRecordPairs(const DataSet& data, FileId file,
                      const std::vector<Nouned>& records, const Places& places,
                      Report& report) {
  for (size_t later = 0; later < records.size(); ++later) {
    const Nouned& b = records[later];
    if (b.noun.empty() || b.conditions.empty()) continue;
    for (size_t earlier = 0; earlier < later; ++earlier) {
      const Nouned& a = records[earlier];
      if (a.conditions.empty()) continue;  // never fires
      const auto typed = HeldInsideAWord(a.noun, b.noun);
      if (!typed || !CanHoldTogether(a.conditions, b.conditions, places) ||
          AnsweredBefore(records, earlier, *typed)) {
        continue;
      }
      report.Error(file, data.file(file).path, b.line,
                   Shadow(*typed, a.noun, a.line));
      break;
    }
  }
}

std::vector<int> ItemLines(const DataSet& data) {
  std::vector<int> lines(kItemCapacity, 0);
  const DataFile& file = data.file(kItemsFile);
  for (size_t i = 0; i < file.lines.size(); ++i) {
    const std::vector<Text> fields = SplitText(file.lines[i], u";");
    if (fields.empty()) continue;
    const auto id = IntegerOf(fields[0]);
    if (id && *id >= 0 && *id < kItemCapacity) {
      lines[*id] = static_cast<int>(i) + 1;
    }
  }
  return lines;
}

Text ItemCondition(int id) { return u"pr=" + FormatInt(id); }

// A static item that lies in one room only, where a take rule tied to that
// room alone answers the typed name first: the item scan never sees it.
bool ShieldedByTakeRule(const World& world, const Presence& item,
                        const Text& typed) {
  if (item.Anywhere() || item.rooms.size() != 1) return false;
  const Text roomTest = u"rm=" + FormatInt(*item.rooms.begin());
  for (int r = 0; r < world.takeRules.count; ++r) {
    const RuleEntry& rule = world.takeRules.slots[r];
    if (rule.conditions == roomTest && ContainsText(rule.noun, typed)) {
      return true;
    }
  }
  return false;
}

void CheckItems(const DataSet& data, const Places& places, Report& report) {
  const World& world = *data.world;
  const std::vector<int> lines = ItemLines(data);
  const DataFile& file = data.file(kItemsFile);
  const int last = std::min(world.itemCount, kItemCapacity - 1);
  for (int b = 1; b <= last; ++b) {
    const Text& name = world.items[b].name;
    if (name.empty() || !places.items[b].Ever()) continue;
    for (int a = 1; a < b; ++a) {
      const auto typed = HeldInsideAWord(world.items[a].name, name);
      if (!typed || !places.items[a].Ever()) continue;
      if (!CanHoldTogether(ItemCondition(a), ItemCondition(b), places))
        continue;
      if (!places.items[a].Anywhere() && !places.items[b].Anywhere()) {
        bool shareRoom = false;
        for (int room : places.items[a].rooms) {
          shareRoom = shareRoom || places.items[b].rooms.contains(room);
        }
        if (!shareRoom) continue;
      }
      if (ShieldedByTakeRule(world, places.items[b], *typed)) continue;
      report.Error(kItemsFile, file.path, lines[b],
                   "item " + std::to_string(b) + ": " +
                       Shadow(*typed, world.items[a].name, lines[a]) +
                       " (item " + std::to_string(a) + ")");
      break;
    }
  }
  // Take rules run before the item scan.
  const DataFile& rulesFile = data.file(kTakeRulesFile);
  const std::vector<Nouned> takeRules = RulesOf(world.takeRules, 6);
  for (int b = 1; b <= last; ++b) {
    const Text& name = world.items[b].name;
    if (name.empty() || !places.items[b].Ever()) continue;
    for (int r = 0; r < world.takeRules.count; ++r) {
      const RuleEntry& rule = world.takeRules.slots[r];
      if (rule.conditions.empty()) continue;
      const auto typed = HeldInsideAWord(rule.noun, name);
      if (!typed ||
          !CanHoldTogether(rule.conditions, ItemCondition(b), places) ||
          AnsweredBefore(takeRules, static_cast<size_t>(r), *typed)) {
        continue;
      }
      report.Error(kItemsFile, file.path, lines[b],
                   "item " + std::to_string(b) + ": " + Quoted(*typed) +
                       " names this item, but the take rule on " +
                       rulesFile.name + " line " +
                       std::to_string(LineOfField(6, r, 1)) + " (" +
                       Quoted(rule.noun) +
                       ") holds it inside a word and answers first wherever "
                       "both apply");
      break;
    }
  }
}

}  // namespace

void CheckShadowedNouns(const DataSet& data, Report& report) {
  const Places places = FindPlaces(data);
  const World& world = *data.world;
  if (data.has(kItemsFile)) CheckItems(data, places, report);
  CheckRecordPairs(data, kExamineFile, RulesOf(world.examineRules, 5), places,
                   report);
  CheckRecordPairs(data, kUseFile, RulesOf(world.useRules, 5), places, report);
  CheckRecordPairs(data, kTakeRulesFile, RulesOf(world.takeRules, 6), places,
                   report);
  CheckRecordPairs(data, kDropRulesFile, RulesOf(world.dropRules, 6), places,
                   report);
  std::vector<Nouned> dialogues;
  for (int r = 0; r < world.dialogues.count; ++r) {
    const DialogueEntry& entry = world.dialogues.slots[r];
    dialogues.push_back({entry.noun, entry.conditions, LineOfField(9, r, 1)});
  }
  CheckRecordPairs(data, kDialoguesFile, dialogues, places, report);
}

}  // namespace zarvel::lint
