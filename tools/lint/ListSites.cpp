#include "ListSites.h"

namespace zarvel::lint {

namespace {

void AddSite(std::vector<ListSite>& sites, FileId file, int line,
             const Text& text, ListKind kind, const Text& conditions,
             int room = 0) {
  sites.push_back({file, line, text, kind, conditions, room});
}

template <typename TableT>
void AddRuleSites(std::vector<ListSite>& sites, const DataSet& data,
                  FileId file, int length, const TableT& table, ListKind kind) {
  if (!data.has(file)) return;
  for (int r = 0; r < table.count; ++r) {
    const auto& rule = table.slots[r];
    if (kind == ListKind::kConditions) {
      AddSite(sites, file, LineOfField(length, r, 2), rule.conditions, kind,
              rule.conditions);
    } else {
      AddSite(sites, file, LineOfField(length, r, 3), rule.effects, kind,
              rule.conditions);
    }
  }
}

template <typename TableT>
void AddEventSites(std::vector<ListSite>& sites, const DataSet& data,
                   FileId file, const TableT& table, ListKind kind) {
  if (!data.has(file)) return;
  for (int r = 0; r < table.count; ++r) {
    const EventEntry& event = table.slots[r];
    if (kind == ListKind::kConditions) {
      AddSite(sites, file, LineOfField(kEventRecordLines, r, 1),
              event.conditions, kind, event.conditions);
    } else {
      AddSite(sites, file, LineOfField(kEventRecordLines, r, 2), event.effects,
              kind, event.conditions);
    }
  }
}

}  // namespace

std::vector<ListSite> ListSites(const DataSet& data, ListKind kind) {
  const World& world = *data.world;
  std::vector<ListSite> sites;
  const bool conditions = kind == ListKind::kConditions;
  if (data.has(kLocationsFile)) {
    const auto& variants = world.locationVariants;
    for (int r = 0; r < variants.count; ++r) {
      const LocationVariant& v = variants.slots[r];
      AddSite(sites, kLocationsFile,
              LineOfField(kLocationRecordLines, r, conditions ? 2 : 3),
              conditions ? v.conditions : v.effects, kind, v.conditions,
              ParseIntLenient(v.room));
    }
  }
  AddRuleSites(sites, data, kExamineFile, kObjectRuleRecordLines,
               world.examineRules, kind);
  AddRuleSites(sites, data, kUseFile, kObjectRuleRecordLines, world.useRules,
               kind);
  AddEventSites(sites, data, kInventoryEventsFile, world.inventoryEvents, kind);
  AddEventSites(sites, data, kEventsFile, world.events, kind);
  AddRuleSites(sites, data, kTakeRulesFile, kItemRuleRecordLines,
               world.takeRules, kind);
  AddRuleSites(sites, data, kDropRulesFile, kItemRuleRecordLines,
               world.dropRules, kind);
  if (data.has(kDialoguesFile)) {
    const auto& dialogues = world.dialogues;
    for (int r = 0; r < dialogues.count; ++r) {
      const DialogueEntry& d = dialogues.slots[r];
      AddSite(sites, kDialoguesFile,
              LineOfField(kDialogueRecordLines, r, conditions ? 2 : 8),
              conditions ? d.conditions : d.effects, kind, d.conditions);
    }
  }
  return sites;
}

int RoomOfConditions(const Text& conditions) {
  for (const ListElement& e : SplitList(conditions, ListKind::kConditions)) {
    if (e.keyword == u"rm=" && !e.argument.starts_with(u"N")) {
      if (auto room = IntegerOf(e.argument)) return *room;
    }
  }
  return 0;
}

}  // namespace zarvel::lint
