#pragma once
// Every condition and effect list of the data, with the file and line it
// stands on: the checks of references, counters and rooms all walk them.

#include <vector>

#include "DataSet.h"
#include "ListSyntax.h"

namespace zarvel::lint {

struct ListSite {
  FileId file = kItemsFile;
  int line = 0;
  Text text;
  ListKind kind = ListKind::kConditions;
  // For an effect list: the conditions of the same record, which tell in
  // which room (if any) its "rm=" and exit effects can fire.
  Text recordConditions;
  // For a location variant: its room; 0 for every other record.
  int variantRoom = 0;
};

std::vector<ListSite> ListSites(const DataSet& data, ListKind kind);

// The room a record is tied to by a positive "rm=R" condition, or 0.
int RoomOfConditions(const Text& conditions);

}  // namespace zarvel::lint
