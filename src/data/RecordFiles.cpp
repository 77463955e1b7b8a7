// The rule, event and conversation files: fixed-length records whose first
// line is a header for the human reader, taken purely by position.
#include "data/RecordLines.h"
#include "data/World.h"

namespace zarvel {

namespace {

constexpr int kPlainRuleLength = 5;
constexpr int kBlockingRuleLength = 6;

}  // namespace

void ReadRules(Table<RuleEntry, kRuleCapacity>& table,
               const std::vector<Text>& lines, int recordLength,
               const StopCheck& stop) {
  // Only the two layouts exist: without and with the blocking line.
  if (recordLength != kPlainRuleLength && recordLength != kBlockingRuleLength) {
    return;
  }
  const bool hasBlocking = recordLength == kBlockingRuleLength;
  table.count = RecordCountOf(lines, recordLength, table.capacity);
  for (int r = 0; r < table.count; ++r) {
    if (StopRequested(stop)) break;
    RuleEntry& rule = table.slots[static_cast<size_t>(r)];
    rule.noun = TrimmedField(lines, recordLength, r, 1);
    rule.conditions = TrimmedField(lines, recordLength, r, 2);
    rule.effects = TrimmedField(lines, recordLength, r, 3);
    if (hasBlocking) rule.blocking = TrimmedField(lines, recordLength, r, 4);
    rule.text = TrimmedField(lines, recordLength, r, hasBlocking ? 5 : 4);
  }
}

void ReadEvents(Table<EventEntry, kRuleCapacity>& table,
                const std::vector<Text>& lines, const StopCheck& stop) {
  table.count = RecordCountOf(lines, kEventRecordLines, table.capacity);
  for (int r = 0; r < table.count; ++r) {
    if (StopRequested(stop)) break;
    EventEntry& event = table.slots[static_cast<size_t>(r)];
    event.conditions = TrimmedField(lines, kEventRecordLines, r, 1);
    event.effects = TrimmedField(lines, kEventRecordLines, r, 2);
    event.text = TrimmedField(lines, kEventRecordLines, r, 3);
  }
}

void ReadDialogues(World& world, const std::vector<Text>& lines) {
  auto& table = world.dialogues;
  table.count = RecordCountOf(lines, kDialogueRecordLines, table.capacity);
  for (int r = 0; r < table.count; ++r) {
    DialogueEntry& entry = table.slots[static_cast<size_t>(r)];
    const auto field = [&](int f) {
      return TrimmedField(lines, kDialogueRecordLines, r, f);
    };
    entry.noun = field(1);
    entry.conditions = field(2);
    entry.level = field(3);
    entry.optionText = field(4);
    entry.playerLine = field(5);
    entry.reply = field(6);
    entry.nextLevel = field(7);
    entry.effects = field(8);
  }
}

}  // namespace zarvel
