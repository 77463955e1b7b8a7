#pragma once
// Helpers shared by the readers of the record files: records are taken
// purely by position, a fixed number of lines each, and the interruptible
// readers ask the stop check before every record.

#include <algorithm>
#include <cstddef>
#include <vector>

#include "data/World.h"

namespace zarvel {

// Whole records in the file, capped at the table's capacity so a huge file
// never writes past the table (the records beyond are ignored).
inline int RecordCountOf(const std::vector<Text>& lines, int recordLength,
                         int capacity) {
  const size_t whole = lines.size() / static_cast<size_t>(recordLength);
  return static_cast<int>(std::min(whole, static_cast<size_t>(capacity)));
}

// A missing check never stops.
inline bool StopRequested(const StopCheck& stop) { return stop && stop(); }

// Field f (0 = the header) of record r, trimmed.
inline Text TrimmedField(const std::vector<Text>& lines, int recordLength,
                         int r, int f) {
  return TrimText(lines[static_cast<size_t>(recordLength) * r + f]);
}

}  // namespace zarvel
