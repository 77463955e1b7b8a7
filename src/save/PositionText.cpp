// The text of a position file: written from the world as assignments with
// the keys of the effect language, and applied line by line over a freshly
// loaded world.

#include "game/Game.h"
#include "rules/Rules.h"
#include "save/Positions.h"

namespace zarvel {
namespace {

const Text kLineEnd = u"\r";

void AppendLine(Text& text, const Text& line) { text += line + kLineEnd; }

Text Pair(const Text& key, int index, const Text& value) {
  return key + FormatInt(index) + u"/" + value;
}

bool StartsWith(const Text& line, const Text& prefix) {
  return line.size() >= prefix.size() &&
         line.compare(0, prefix.size(), prefix) == 0;
}

// The fields of one trimmed line as the loader reads them: the index lies
// between the prefix and the first "/", the value after it. Without a "/"
// the index is read from the whole rest and the value from the whole line
// (which begins with a letter and so reads 0).
struct PositionLine {
  int index = 0;
  int value = 0;
  Text valueText;
};

PositionLine ReadFields(const Text& line, const Text& prefix) {
  const int p = static_cast<int>(prefix.size());
  const int slash = FindText(line, u"/", 1);
  const int length = static_cast<int>(line.size());
  PositionLine fields;
  fields.index = ParseIntLenient(MidText(line, p + 1, slash - p - 1));
  fields.valueText = MidText(line, slash + 1, length);
  fields.value = ParseIntLenient(fields.valueText);
  return fields;
}

int RestAsInt(const Text& line, const Text& prefix) {
  return ParseIntLenient(line.substr(prefix.size()));
}

// Lines are independent: each prefix is tried, the written keys never
// overlap, and an index outside its table is ignored.
void ApplyLine(Game& game, const Text& line) {
  World& world = game.world;
  if (StartsWith(line, u"pr=")) {
    const PositionLine fields = ReadFields(line, u"pr=");
    if (ItemRecord* item = world.Item(fields.index)) {
      item->location = fields.value;
    }
  }
  if (StartsWith(line, u"score=")) world.score = RestAsInt(line, u"score=");
  if (StartsWith(line, u"lokace=")) {
    world.currentRoom = RestAsInt(line, u"lokace=");
  }
  if (StartsWith(line, u"prikaz=")) {
    world.commandCount = RestAsInt(line, u"prikaz=");
  }
  if (StartsWith(line, u"cnt=")) {
    const PositionLine fields = ReadFields(line, u"cnt=");
    if (Counter* counter = world.CounterAt(fields.index)) {
      counter->value = fields.value;
    }
  }
  if (StartsWith(line, u"cnt_st=")) {
    const PositionLine fields = ReadFields(line, u"cnt_st=");
    if (Counter* counter = world.CounterAt(fields.index)) {
      counter->state = fields.valueText;
    }
  }
  if (StartsWith(line, u"pl=")) {
    const PositionLine fields = ReadFields(line, u"pl=");
    if (fields.index >= 0 && fields.index < kPlayerCapacity) {
      game.savedPlayerRooms[fields.index] = fields.value;
    }
  }
}

}  // namespace

Text BuildPositionText(Game& game, const Text& name) {
  const World& world = game.world;
  Text text;
  AppendLine(text, name);
  for (int id = 0; id <= LastScannedItem(world); ++id) {
    AppendLine(text, Pair(u"pr=", id, FormatInt(world.items[id].location)));
  }
  AppendLine(text, u"score=" + FormatInt(world.score));
  AppendLine(text, u"lokace=" + FormatInt(world.currentRoom));
  AppendLine(text, u"prikaz=" + FormatInt(world.commandCount));
  // Counter 0 is never written.
  for (int number = 1; number < kCounterCapacity; ++number) {
    const Counter& counter = world.counters[number];
    if (counter.value != 0) {
      AppendLine(text, Pair(u"cnt=", number, FormatInt(counter.value)));
    }
    if (!counter.state.empty()) {
      AppendLine(text, Pair(u"cnt_st=", number, counter.state));
    }
  }
  for (int player = 0; player < kPlayerCapacity; ++player) {
    const int room = game.savedPlayerRooms[player];
    if (room != 0) AppendLine(text, Pair(u"pl=", player, FormatInt(room)));
  }
  return text;
}

void ApplyPositionText(Game& game, const Text& text) {
  for (const Text& line : SplitText(text, kLineEnd)) {
    ApplyLine(game, TrimText(line));
  }
}

}  // namespace zarvel
