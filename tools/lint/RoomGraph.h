#pragma once
// The rooms as a graph: every exit of every variant, every "rm=" move and
// every exit set by an effect. The reachability check and the map share it.

#include <map>
#include <set>
#include <string>
#include <vector>

#include "DataSet.h"

namespace zarvel::lint {

struct RoomEdge {
  int from = 0;  // 0: from any room (a record not tied to one room)
  int to = 0;
  std::string label;  // "sever", "rm=", …
  std::string when;   // the variant's or record's conditions, or ""
  bool move = false;  // a "rm=" effect rather than a way out
  FileId file = kLocationsFile;
  int line = 0;
};

struct RoomGraph {
  // Record indices of the location variants of each room, in file order.
  std::map<int, std::vector<int>> variants;
  std::vector<RoomEdge> edges;
  int start = 0;  // the current player's starting room; 0 when unknown
};

RoomGraph BuildRoomGraph(const DataSet& data);
std::set<int> ReachableRooms(const RoomGraph& graph);

// "sever", "jih", … for exit index 0 to 5.
const char* DirectionName(int direction);

}  // namespace zarvel::lint
