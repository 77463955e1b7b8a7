// The items file (one "id;location;name;takenName;mobility" row per line)
// and the locations file (six-line records).
#include "data/RecordLines.h"
#include "data/World.h"

namespace zarvel {

namespace {

// Field i of a split row, or the empty text when the row is shorter.
Text FieldOrEmpty(const std::vector<Text>& fields, size_t i) {
  return i < fields.size() ? fields[i] : Text();
}

}  // namespace

void ReadItems(World& world, const std::vector<Text>& lines) {
  // Item scans run up to and including itemCount, so it must stay a valid
  // id even for a file with more lines than the table has slots.
  world.itemCount = static_cast<int>(
      std::min(lines.size(), static_cast<size_t>(kItemCapacity - 1)));
  for (const Text& line : lines) {
    const std::vector<Text> fields = SplitText(line, u";");
    ItemRecord* item = world.Item(ParseIntLenient(FieldOrEmpty(fields, 0)));
    if (item == nullptr) continue;  // id outside 0..999
    item->location = ParseIntLenient(FieldOrEmpty(fields, 1));
    item->name = TrimText(FieldOrEmpty(fields, 2));
    item->takenName = TrimText(FieldOrEmpty(fields, 3));
    item->mobility = TrimText(FieldOrEmpty(fields, 4));
  }
}

void ReadLocations(World& world, const std::vector<Text>& lines,
                   const StopCheck& stop) {
  auto& table = world.locationVariants;
  table.count = RecordCountOf(lines, kLocationRecordLines, table.capacity);
  for (int r = 0; r < table.count; ++r) {
    if (StopRequested(stop)) break;
    LocationVariant& variant = table.slots[static_cast<size_t>(r)];
    // The room stays raw (it is only ever read through its integer value).
    variant.room = lines[static_cast<size_t>(kLocationRecordLines * r + 1)];
    variant.conditions = TrimmedField(lines, kLocationRecordLines, r, 2);
    variant.effects = TrimmedField(lines, kLocationRecordLines, r, 3);
    variant.exits = TrimmedField(lines, kLocationRecordLines, r, 4);
    variant.description = TrimmedField(lines, kLocationRecordLines, r, 5);
  }
}

}  // namespace zarvel
