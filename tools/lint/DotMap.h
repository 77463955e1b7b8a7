#pragma once
// The room map in Graphviz DOT: each room with the start of its default
// description, exits as labelled edges, "rm=" moves dashed.

#include <ostream>

#include "DataSet.h"
#include "RoomGraph.h"

namespace zarvel::lint {

void WriteDotMap(const DataSet& data, const RoomGraph& graph,
                 std::ostream& out);

}  // namespace zarvel::lint
