#pragma once
// A Game on the headless platform with its World tables filled in code, for
// the tests of the rules engine, the commands and the positions. The
// observer records every console line, the platform skips page waits, so long
// replies never stall a test; key lines feed the menus and questions.

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <initializer_list>
#include <iterator>
#include <string>
#include <vector>

#include "game/Game.h"
#include "media/EmbeddedResources.h"
#include "media/Text.h"
#include "media/headless/HeadlessPlatform.h"

namespace zarvel::testing {

class LineRecorder : public GameObserver {
 public:
  std::vector<Text> lines;
  int waits = 0;
  void OnConsoleLine(const Text& line) override { lines.push_back(line); }
  void OnWaitForKey() override { ++waits; }
};

// Every stock reply reads as its own key, so a test sees which one came.
inline void FillMessagesWithKeys(World& world) {
  static const char* const kSituations[] = {
      "prikaz_neznamy", "severano",      "severne",       "jihano",
      "jihne",          "vychodano",     "vychodne",      "zapadano",
      "zapadne",        "nahoruano",     "nahorune",      "doluano",
      "dolune",         "prozkoumej_ne", "pouzij_ne",     "seber_ano",
      "seber_ne",       "seber_static",  "plny_inventar", "predmet_usebe",
      "poloz_ano",      "poloz_ne"};
  for (const char* situation : kSituations) {
    for (const char* suffix : {"_muz", "_zena"}) {
      const std::string key = std::string(situation) + suffix;
      world.messages[key] = AsciiToText(key);
    }
  }
}

class GameFixture : public ::testing::Test {
 protected:
  HeadlessPlatform platform{EmbeddedResources()};
  LineRecorder recorder;
  Game game{platform};
  World& world = game.world;

  GameFixture() {
    game.console.observer = &recorder;
    platform.SetSkipKeyWaits(true);
    world.currentPlayer = 1;
    world.players[1] = {u"1", u"muž"};
    world.currentRoom = 1;
    world.compassSetting = u"1";
    world.oldSchool = u"true";
    world.inventoryLimit = u"100";
    FillMessagesWithKeys(world);
  }

  void Gender(const Text& gender) { world.players[1].gender = gender; }

  // Items raise itemCount to their id, as a file of that many lines would.
  void Item(int id, int location, const Text& name,
            const Text& mobility = u"movable", const Text& takenName = Text()) {
    world.items[id] = {location, name,
                       takenName.empty() ? name + u"-vzat" : takenName,
                       mobility};
    world.itemCount = std::max(world.itemCount, id);
  }

  void Variant(const Text& room, const Text& conditions, const Text& effects,
               const Text& exits, const Text& description) {
    auto& table = world.locationVariants;
    table.slots[table.count++] = {room, conditions, effects, exits,
                                  description};
  }

  template <typename TableType>
  static void AddRule(TableType& table, const Text& noun,
                      const Text& conditions, const Text& effects,
                      const Text& text, const Text& blocking = u"1") {
    table.slots[table.count++] = {noun, conditions, effects, blocking, text};
  }

  template <typename TableType>
  static void AddEvent(TableType& table, const Text& conditions,
                       const Text& effects, const Text& text) {
    table.slots[table.count++] = {conditions, effects, text};
  }

  void Dialogue(const Text& noun, const Text& conditions, const Text& level,
                const Text& option, const Text& playerLine, const Text& reply,
                const Text& nextLevel, const Text& effects = Text()) {
    auto& table = world.dialogues;
    table.slots[table.count++] = {noun,       conditions, level,     option,
                                  playerLine, reply,      nextLevel, effects};
  }

  // Lines typed (each followed by Enter unless it ends in {noenter}) when
  // the program asks for keys.
  void Keys(std::vector<std::string> lines) {
    platform.SetKeyLines(std::move(lines));
  }

  // The console lines printed since the last call.
  std::vector<Text> Printed() {
    std::vector<Text> lines = std::move(recorder.lines);
    recorder.lines.clear();
    return lines;
  }

  std::vector<std::string> Traces() const {
    std::vector<std::string> traces;
    for (const auto& observed : platform.observed()) {
      if (observed.kind == HeadlessPlatform::Observed::Kind::Trace) {
        traces.push_back(observed.text);
      }
    }
    return traces;
  }
};

// Lines as UTF-16 from literals, for comparing with Printed().
inline std::vector<Text> TextLines(std::initializer_list<const char16_t*> in) {
  return std::vector<Text>(in.begin(), in.end());
}

// The fifteen data files of the small test world, put over the embedded
// ones so that LoadWorld builds it.
inline void UseTinyWorld(ResourceSet& resources) {
  for (const std::string resource : kDataFiles) {
    std::ifstream in(std::string(ZARVEL_SOURCE_DIR) + "/tests/fixtures/tiny/" +
                         resource.substr(resource.find('/') + 1),
                     std::ios::binary);
    std::vector<unsigned char> bytes((std::istreambuf_iterator<char>(in)),
                                     std::istreambuf_iterator<char>());
    resources.Put(resource, std::move(bytes));
  }
}

}  // namespace zarvel::testing
