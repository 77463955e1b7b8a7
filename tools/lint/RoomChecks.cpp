// The rooms: every room needs a variant that is always shown, every way
// into a room needs a room with a variant, every room must be reachable,
// and every item must be somewhere the player can get to (or be a state
// marker that rules test).
#include <map>
#include <set>
#include <string>

#include "Checks.h"
#include "ListSites.h"
#include "RoomGraph.h"

namespace zarvel::lint {

namespace {

std::string RoomText(int room) { return "room " + std::to_string(room); }

void CheckVariantOrder(const DataSet& data, const RoomGraph& graph,
                       Report& report) {
  const DataFile& file = data.file(kLocationsFile);
  const auto& slots = data.world->locationVariants.slots;
  for (const auto& [room, records] : graph.variants) {
    int unconditional = -1;
    for (int r : records) {
      if (unconditional >= 0) {
        report.Error(kLocationsFile, file.path,
                     LineOfField(kLocationRecordLines, r, 0),
                     "this variant of " + RoomText(room) +
                         " is never described: the unconditional variant on "
                         "line " +
                         std::to_string(LineOfField(kLocationRecordLines,
                                                    unconditional, 0)) +
                         " stands before it");
      } else if (slots[r].conditions.empty()) {
        unconditional = r;
      }
    }
    if (unconditional < 0) {
      report.Error(kLocationsFile, file.path,
                   LineOfField(kLocationRecordLines, records.back(), 0),
                   RoomText(room) +
                       " has no unconditional variant: when no condition "
                       "holds, nothing is described");
    }
  }
}

int LineOfKey(const DataFile& file, const char16_t* key) {
  for (size_t i = 0; i < file.lines.size(); ++i) {
    if (file.lines[i].starts_with(key)) return static_cast<int>(i) + 1;
  }
  return 0;
}

void CheckWaysIn(const DataSet& data, const RoomGraph& graph, Report& report) {
  for (const RoomEdge& edge : graph.edges) {
    if (graph.variants.contains(edge.to)) continue;
    const std::string what =
        edge.move ? "\"rm=" + std::to_string(edge.to) + "\" moves the player"
                  : "the way " + edge.label + " leads";
    report.Error(edge.file, data.file(edge.file).path, edge.line,
                 what + " into " + RoomText(edge.to) +
                     ", which has no variant: nothing is described there and "
                     "there is no way out");
  }
  if (data.has(kInitFile) && !graph.variants.contains(graph.start)) {
    const DataFile& init = data.file(kInitFile);
    report.Error(kInitFile, init.path, LineOfKey(init, u"pl="),
                 "the player starts in " + RoomText(graph.start) +
                     ", which has no variant");
  }
  // A rule tied to a room without variants can never fire.
  for (const ListSite& site : ListSites(data, ListKind::kConditions)) {
    const int room = RoomOfConditions(site.text);
    if (room > 0 && !graph.variants.contains(room)) {
      report.Error(site.file, data.file(site.file).path, site.line,
                   "\"rm=" + std::to_string(room) + "\" tests " +
                       RoomText(room) +
                       ", which has no variant: the record never fires");
    }
  }
}

void CheckReachable(const DataSet& data, const RoomGraph& graph,
                    const std::set<int>& reachable, Report& report) {
  for (const auto& [room, records] : graph.variants) {
    if (reachable.contains(room)) continue;
    report.Error(kLocationsFile, data.file(kLocationsFile).path,
                 LineOfField(kLocationRecordLines, records.front(), 0),
                 RoomText(room) + " cannot be reached from the start (" +
                     RoomText(graph.start) + ") by exits or \"rm=\" moves");
  }
}

struct ItemRow {
  int line = 0;
  int location = 0;
  Text name;
};

void CheckItemsSeen(const DataSet& data, const std::set<int>& reachable,
                    Report& report) {
  const World& world = *data.world;
  const int64_t inventory = world.InventoryCode();
  std::map<int, ItemRow> rows;
  const DataFile& items = data.file(kItemsFile);
  for (size_t i = 0; i < items.lines.size(); ++i) {
    const std::vector<Text> fields = SplitText(items.lines[i], u";");
    if (fields.size() < 5 || !IsInteger(fields[0])) continue;
    rows[ParseIntLenient(fields[0])] = {static_cast<int>(i) + 1,
                                        ParseIntLenient(fields[1]),
                                        TrimText(fields[2])};
  }
  const auto placesWhereSeen = [&](const Text& place) {
    if (place == u"M" || place == u"I") return true;
    const auto number = IntegerOf(place);
    return number && (*number == inventory || reachable.contains(*number));
  };
  std::set<int> placed, tested;
  for (const ListSite& site : ListSites(data, ListKind::kEffects)) {
    for (const ListElement& e : SplitList(site.text, ListKind::kEffects)) {
      if (e.keyword == u"pr=" && e.hasSlash && placesWhereSeen(e.second)) {
        if (auto id = IntegerOf(e.first)) placed.insert(*id);
      }
    }
  }
  for (const ListSite& site : ListSites(data, ListKind::kConditions)) {
    for (const ListElement& e : SplitList(site.text, ListKind::kConditions)) {
      if (e.keyword != u"pr=") continue;
      if (auto id = IntegerOf(e.first)) tested.insert(*id);
    }
  }
  for (const auto& [id, row] : rows) {
    if (id == 0) continue;
    const bool seen = row.location == inventory ||
                      reachable.contains(row.location) || placed.contains(id);
    if (!seen && !tested.contains(id)) {
      report.Error(kItemsFile, items.path, row.line,
                   "item " + std::to_string(id) + " (" + TextToUtf8(row.name) +
                       ") is never in a room the player can reach nor "
                       "carried, and no rule tests it");
    }
  }
}

}  // namespace

void CheckRooms(const DataSet& data, Report& report) {
  if (!data.has(kLocationsFile)) return;
  const RoomGraph graph = BuildRoomGraph(data);
  CheckVariantOrder(data, graph, report);
  CheckWaysIn(data, graph, report);
  // Without a start room every room would look unreachable; the missing
  // start is reported once above instead.
  if (!data.has(kInitFile) || !graph.variants.contains(graph.start)) return;
  const std::set<int> reachable = ReachableRooms(graph);
  CheckReachable(data, graph, reachable, report);
  if (data.has(kItemsFile)) CheckItemsSeen(data, reachable, report);
}

}  // namespace zarvel::lint
