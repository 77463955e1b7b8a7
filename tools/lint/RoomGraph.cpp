#include "RoomGraph.h"

#include <array>
#include <deque>

#include "ListSites.h"
#include "rules/Language.h"

namespace zarvel::lint {

namespace {

constexpr std::array<const char*, 6> kDirections = {"sever", "jih",    "východ",
                                                    "západ", "nahoru", "dolů"};
// The index into currentExits the effect sets, or -1 for other effects.
int ExitEffectDirection(const Text& keyword) {
  Text argument;
  const Keyword<Effect>* effect = FindEffectKeyword(keyword, argument);
  if (effect == nullptr || !argument.empty()) return -1;
  const int direction = ExitIndexOf(effect->kind);
  return direction >= 0 && direction < 6 ? direction : -1;
}

void AddEffectEdges(RoomGraph& graph, const ListSite& site, int from) {
  for (const ListElement& e : SplitList(site.text, ListKind::kEffects)) {
    const int direction = ExitEffectDirection(e.keyword);
    if (e.keyword != u"rm=" && direction < 0) continue;
    const auto to = IntegerOf(e.argument);
    if (!to || *to <= 0) continue;
    RoomEdge edge;
    edge.from = from;
    edge.to = *to;
    edge.move = direction < 0;
    edge.label = edge.move ? "rm=" : kDirections[direction];
    edge.when = TextToUtf8(site.recordConditions);
    edge.file = site.file;
    edge.line = site.line;
    graph.edges.push_back(edge);
  }
}

}  // namespace

const char* DirectionName(int direction) { return kDirections[direction]; }

RoomGraph BuildRoomGraph(const DataSet& data) {
  RoomGraph graph;
  const World& world = *data.world;
  if (data.has(kInitFile)) {
    const PlayerSlot* player =
        const_cast<World&>(world).Player(world.currentPlayer);
    if (player != nullptr) graph.start = ParseIntLenient(player->room);
  }
  const auto& variants = world.locationVariants;
  for (int r = 0; r < variants.count && data.has(kLocationsFile); ++r) {
    const LocationVariant& v = variants.slots[r];
    const int room = ParseIntLenient(v.room);
    graph.variants[room].push_back(r);
    const std::vector<Text> exits = SplitText(v.exits, u",");
    for (size_t d = 0; d < exits.size() && d < 6; ++d) {
      const int to = ParseIntLenient(exits[d]);
      if (to <= 0) continue;
      graph.edges.push_back({room, to, kDirections[d], TextToUtf8(v.conditions),
                             false, kLocationsFile,
                             LineOfField(kLocationRecordLines, r, 4)});
    }
  }
  for (const ListSite& site : ListSites(data, ListKind::kEffects)) {
    const int from = site.file == kLocationsFile
                         ? site.variantRoom
                         : RoomOfConditions(site.recordConditions);
    AddEffectEdges(graph, site, from);
  }
  return graph;
}

std::set<int> ReachableRooms(const RoomGraph& graph) {
  std::set<int> reached;
  if (graph.start <= 0) return reached;
  std::deque<int> queue = {graph.start};
  reached.insert(graph.start);
  bool anywhereTaken = false;
  while (!queue.empty()) {
    const int room = queue.front();
    queue.pop_front();
    for (const RoomEdge& edge : graph.edges) {
      // Records not tied to a room can fire in any room the player reaches.
      const bool fromHere =
          edge.from == room || (edge.from == 0 && !anywhereTaken);
      if (fromHere && !reached.contains(edge.to)) {
        reached.insert(edge.to);
        queue.push_back(edge.to);
      }
    }
    anywhereTaken = true;
  }
  return reached;
}

}  // namespace zarvel::lint
