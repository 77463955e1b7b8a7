// Fuzz target: the condition and effect language on the loaded shipped
// world, checked against a small model written independently from the
// language's rules (below). The input is a condition list, kNext, an effect
// list, kNext and two bytes that choose the current room and player; the
// lists are UTF-8. Any difference between engine and model aborts.
//
// Choices the rules leave open, as the model takes them: an item or
// counter number outside 0..999 or a player number outside 0..99 makes a
// condition fail and an effect do nothing; a counter or player condition
// without its "/" has nothing to compare and fails; "dropall=", "cnt=" and
// "cnt_st=" effects without their "/" do nothing.
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include "FuzzGame.h"
#include "data/World.h"
#include "rules/Rules.h"

namespace {

using zarvel::Text;

constexpr std::string_view kNext = "\n#next#\n";

// ---- The model -----------------------------------------------------------

struct ModelCounter {
  int32_t value = 0;
  Text state;
  bool operator==(const ModelCounter&) const = default;
};

struct Model {
  int32_t room = 0;
  int32_t player = 0;
  int32_t score = 0;
  int32_t itemCount = 0;
  Text compass;
  Text flow;
  std::array<int32_t, 6> exits{};
  std::array<int32_t, 1000> items{};
  std::array<ModelCounter, 1000> counters{};
  std::array<Text, 100> playerRooms{};
  bool operator==(const Model&) const = default;
};

bool IsBlank(char16_t c) { return c == ' ' || (c >= 9 && c <= 13); }

// Blanks, a sign, then "%" binary, "$" hex or decimal digits; wraps at 32
// bits; no digits read as 0.
int32_t Number(const Text& text) {
  size_t at = 0;
  while (at < text.size() && IsBlank(text[at])) ++at;
  bool negative = false;
  if (at < text.size() && (text[at] == '+' || text[at] == '-')) {
    negative = text[at] == '-';
    ++at;
  }
  uint32_t base = 10;
  if (at < text.size() && text[at] == '%') {
    base = 2;
    ++at;
  } else if (at < text.size() && text[at] == '$') {
    base = 16;
    ++at;
  }
  uint32_t value = 0;
  for (; at < text.size(); ++at) {
    const char16_t c = text[at];
    uint32_t digit = 99;
    if (c >= '0' && c <= '9') digit = c - '0';
    if (c >= 'a' && c <= 'f') digit = c - 'a' + 10;
    if (c >= 'A' && c <= 'F') digit = c - 'A' + 10;
    if (digit >= base) break;
    value = value * base + digit;
  }
  if (negative) value = 0u - value;
  return static_cast<int32_t>(value);
}

Text Decimal(int32_t value) {
  const std::string digits = std::to_string(value);
  return Text(digits.begin(), digits.end());
}

std::vector<Text> Elements(const Text& list) {
  std::vector<Text> out;
  size_t start = 0;
  for (;;) {
    const size_t at = list.find(u';', start);
    out.push_back(
        list.substr(start, at == Text::npos ? Text::npos : at - start));
    if (at == Text::npos) return out;
    start = at + 1;
  }
}

bool Begins(const Text& text, const Text& keyword) {
  return text.compare(0, keyword.size(), keyword) == 0;
}

// The text after the keyword, cut at the first "/" into a and b; false when
// there is no "/".
bool Pair(const Text& element, size_t keyword, Text& a, Text& b) {
  const Text rest = element.substr(keyword);
  const size_t slash = rest.find(u'/');
  if (slash == Text::npos) {
    a = rest;
    b.clear();
    return false;
  }
  a = rest.substr(0, slash);
  b = rest.substr(slash + 1);
  return true;
}

bool InRange(int32_t index, int32_t size) { return index >= 0 && index < size; }

int32_t InventoryCode(const Model& m) {
  return static_cast<int32_t>(999u + static_cast<uint32_t>(m.player));
}

bool ConditionHolds(const Model& m, const Text& element) {
  Text a, b;
  if (Begins(element, u"rm=")) {
    const Text rest = element.substr(3);
    if (!rest.empty() && rest[0] == u'N')
      return rest.substr(1) != Decimal(m.room);
    return m.room == Number(rest);
  }
  if (Begins(element, u"pr=")) {
    if (!Pair(element, 3, a, b)) {
      const int32_t item = Number(a);
      if (!InRange(item, 1000)) return false;
      return m.items[item] == m.room || m.items[item] == InventoryCode(m);
    }
    const int32_t item = Number(a);
    if (!InRange(item, 1000)) return false;
    bool negated = false;
    if (!b.empty() && b[0] == u'N') {
      negated = true;
      b = b.substr(1);
    }
    if (b == u"M") b = Decimal(m.room);
    return (m.items[item] == Number(b)) != negated;
  }
  if (Begins(element, u"cnt_st=")) {
    if (!Pair(element, 7, a, b)) return false;
    const int32_t k = Number(a);
    if (!InRange(k, 1000)) return false;
    return m.counters[k].state == b;
  }
  if (Begins(element, u"cnt=")) {
    if (!Pair(element, 4, a, b)) return false;
    const int32_t k = Number(a);
    if (!InRange(k, 1000)) return false;
    return m.counters[k].value == Number(b);
  }
  if (Begins(element, u"pl=")) {
    if (!Pair(element, 3, a, b)) return false;
    const int32_t p = Number(a);
    if (!InRange(p, 100)) return false;
    if (b == u"M") b = Decimal(m.room);
    return m.playerRooms[p] == b;
  }
  return false;
}

bool ModelConditions(const Model& m, const Text& list) {
  const std::vector<Text> elements = Elements(list);
  size_t held = 0;
  for (const Text& element : elements) held += ConditionHolds(m, element);
  return held == elements.size();
}

void ModelEffect(Model& m, const Text& element) {
  Text a, b;
  const auto exit = [&](int direction, size_t keyword) {
    m.exits[direction] = Number(element.substr(keyword));
  };
  if (Begins(element, u"rm=")) {
    m.room = Number(element.substr(3));
    m.flow = u"roomreload";
  } else if (Begins(element, u"kompas=")) {
    m.compass = Decimal(Number(element.substr(7)));
  } else if (Begins(element, u"sc=")) {
    m.score =
        static_cast<int32_t>(static_cast<uint32_t>(m.score) +
                             static_cast<uint32_t>(Number(element.substr(3))));
  } else if (Begins(element, u"pr=")) {
    Pair(element, 3, a, b);
    const int32_t item = Number(a);
    if (!InRange(item, 1000)) return;
    m.items[item] = b == u"M"   ? m.room
                    : b == u"I" ? InventoryCode(m)
                                : Number(b);
  } else if (Begins(element, u"dropall=")) {
    if (!Pair(element, 8, a, b)) return;
    const int32_t from =
        static_cast<int32_t>(999u + static_cast<uint32_t>(Number(a)));
    const int32_t to = Number(b);
    for (int32_t i = 0; i <= m.itemCount && i < 1000; ++i) {
      if (m.items[i] == from) m.items[i] = to;
    }
  } else if (Begins(element, u"endcredits")) {
    m.flow = u"endcredits";
  } else if (Begins(element, u"outro")) {
    m.flow = u"outro";
  } else if (Begins(element, u"s=")) {
    exit(0, 2);
  } else if (Begins(element, u"j=")) {
    exit(1, 2);
  } else if (Begins(element, u"v=")) {
    exit(2, 2);
  } else if (Begins(element, u"z=")) {
    exit(3, 2);
  } else if (Begins(element, u"n=")) {
    exit(4, 2);
  } else if (Begins(element, u"d=")) {
    exit(5, 2);
  } else if (Begins(element, u"cnt_st=")) {
    if (!Pair(element, 7, a, b)) return;
    const int32_t k = Number(a);
    if (InRange(k, 1000)) m.counters[k].state = b;
  } else if (Begins(element, u"cnt=")) {
    if (!Pair(element, 4, a, b)) return;
    const int32_t k = Number(a);
    if (InRange(k, 1000)) m.counters[k].value = Number(b);
  }
}

// ---- Engine <-> model ----------------------------------------------------

// The model keeps a request by the keyword that raises it.
Text FlowKeyword(zarvel::FlowRequest flow) {
  switch (flow) {
    case zarvel::FlowRequest::RoomReload:
      return u"roomreload";
    case zarvel::FlowRequest::EndCredits:
      return u"endcredits";
    case zarvel::FlowRequest::Outro:
      return u"outro";
    case zarvel::FlowRequest::None:
      break;
  }
  return u"";
}

Model Observe(const zarvel::World& w) {
  Model m;
  m.room = w.currentRoom;
  m.player = w.currentPlayer;
  m.score = w.score;
  m.itemCount = w.itemCount;
  m.compass = w.compassSetting;
  m.flow = FlowKeyword(w.pendingFlow);
  for (int i = 0; i < 6; ++i) m.exits[i] = w.currentExits[i];
  for (int i = 0; i < 1000; ++i) m.items[i] = w.items[i].location;
  for (int i = 0; i < 1000; ++i) {
    m.counters[i] = {w.counters[i].value, w.counters[i].state};
  }
  for (int i = 0; i < 100; ++i) m.playerRooms[i] = w.players[i].room;
  return m;
}

void Report(const char* what, const Text& conditions, const Text& effects) {
  std::fprintf(stderr,
               "engine and model differ in %s\nconditions: %s\neffects: %s\n",
               what, zarvel::TextToUtf8(conditions).c_str(),
               zarvel::TextToUtf8(effects).c_str());
  std::abort();
}

void ReportModelDifference(const Model& engine, const Model& model) {
  if (engine.room != model.room)
    std::fprintf(stderr, "room %d vs %d\n", engine.room, model.room);
  if (engine.score != model.score)
    std::fprintf(stderr, "score %d vs %d\n", engine.score, model.score);
  if (engine.compass != model.compass)
    std::fprintf(stderr, "compass differs\n");
  if (engine.flow != model.flow) std::fprintf(stderr, "flow differs\n");
  if (engine.exits != model.exits) std::fprintf(stderr, "exits differ\n");
  for (int i = 0; i < 1000; ++i) {
    if (engine.items[i] != model.items[i]) {
      std::fprintf(stderr, "item %d at %d vs %d\n", i, engine.items[i],
                   model.items[i]);
    }
    if (!(engine.counters[i] == model.counters[i])) {
      std::fprintf(stderr, "counter %d differs (%d vs %d)\n", i,
                   engine.counters[i].value, model.counters[i].value);
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace zarvel;
  // One game for many inputs (loading the world is the slow part); renewed
  // now and then, since its platform records every trace line.
  static std::unique_ptr<fuzz::FuzzGame> run;
  static int uses = 0;
  if (!run || ++uses % 100000 == 0) {
    run = std::make_unique<fuzz::FuzzGame>();
    LoadWorld(run->game);
  }
  static const World start = run->game.world;

  const std::vector<std::string_view> parts = fuzz::SplitInput(
      std::string_view(reinterpret_cast<const char*>(data), size), kNext);
  const Text conditions = Utf8ToText(parts[0]);
  const Text effects = parts.size() > 1 ? Utf8ToText(parts[1]) : Text();
  World& world = run->game.world;
  // Only the fields the language touches go back to the start.
  world.items = start.items;
  world.counters = start.counters;
  world.players = start.players;
  world.currentExits = start.currentExits;
  world.compassSetting = start.compassSetting;
  world.pendingFlow = zarvel::FlowRequest::None;
  world.conditionResult.clear();
  world.score = 0;
  world.currentRoom = start.currentRoom;
  world.currentPlayer = start.currentPlayer;
  if (parts.size() > 2 && parts[2].size() >= 2) {
    world.currentRoom = static_cast<int8_t>(parts[2][0]);
    world.currentPlayer = static_cast<uint8_t>(parts[2][1]) % 3;
  }

  Model model = Observe(world);
  const bool expected = ModelConditions(model, conditions);
  const bool held = EvaluateConditions(world, conditions);
  if (held != expected)
    Report("the result of the conditions", conditions, effects);
  if (world.conditionResult != (held ? u"true" : u"")) {
    Report("the stored condition result", conditions, effects);
  }
  if (!(Observe(world) == model))
    Report("a change made by conditions", conditions, effects);

  for (const Text& element : Elements(effects)) ModelEffect(model, element);
  ApplyEffects(run->game.world, run->game.platform, effects);
  const Model engine = Observe(world);
  if (!(engine == model)) {
    ReportModelDifference(engine, model);
    Report("the world after the effects", conditions, effects);
  }
  return 0;
}
