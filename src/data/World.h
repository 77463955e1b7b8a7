#pragma once
// All state of one game: scalars, tables of fixed capacity indexed by the
// data's own numbers, and the texts of the free-text files. Rebuilt in place by
// LoadWorld; fields of records stay text until a rule is tried.

#include <array>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "data/Slots.h"
#include "media/ResourceSet.h"
#include "media/Text.h"

namespace zarvel {

inline constexpr int kPlayerCapacity = 100;
inline constexpr int kItemCapacity = 1000;
inline constexpr int kLocationVariantCapacity = 1000;
inline constexpr int kRuleCapacity = 9999;
inline constexpr int kCounterCapacity = 1000;

struct PlayerSlot {
  Text room;    // room number as text (raw from "pl=", decimal after entry)
  Text gender;  // "muž" or "žena"
};

struct ItemRecord {
  int location = 0;
  Text name;
  Text takenName;
  Text mobility;
};

struct LocationVariant {
  Text room;  // raw, compared through its integer value
  Text conditions;
  Text effects;
  Text exits;
  Text description;
};

struct RuleEntry {
  Text noun;
  Text conditions;
  Text effects;
  Text blocking;  // take and drop rules only
  Text text;
};

struct EventEntry {
  Text conditions;
  Text effects;
  Text text;
};

struct DialogueEntry {
  Text noun;
  Text conditions;
  Text level;
  Text optionText;
  Text playerLine;
  Text reply;
  Text nextLevel;
  Text effects;
};

struct Counter {
  Text state;  // "on" runs it
  int value = 0;
};

// A table of at most Capacity records with the record count its file
// supplied. Slots beyond the count keep what they held.
template <typename T, int Capacity>
struct Table {
  Slots<T, Capacity> slots;
  int count = 0;
  static constexpr int capacity = Capacity;
};

enum Direction { kNorth = 0, kSouth, kEast, kWest, kUp, kDown };

// A change of the game's flow that an effect asks for and the main loop
// serves: reload the room quietly, the end credits, or the outro.
enum class FlowRequest { None, RoomReload, EndCredits, Outro };

struct World {
  // Scalars.
  int currentPlayer = 0;
  int currentRoom = 0;
  int score = 0;
  int commandCount = 0;
  Text compassSetting;
  Text inventoryLimit;
  Text oldSchool;
  FlowRequest pendingFlow = FlowRequest::None;
  Text conditionResult;
  std::array<int, 6> currentExits{};
  int itemCount = 0;
  // Stock replies keyed by their initialization-file key without "=",
  // e.g. "severano_muz".
  std::map<std::string, Text> messages;

  // Tables.
  std::vector<PlayerSlot> players = std::vector<PlayerSlot>(kPlayerCapacity);
  std::vector<ItemRecord> items = std::vector<ItemRecord>(kItemCapacity);
  Table<LocationVariant, kLocationVariantCapacity> locationVariants;
  Table<RuleEntry, kRuleCapacity> examineRules;
  Table<RuleEntry, kRuleCapacity> useRules;
  Table<RuleEntry, kRuleCapacity> takeRules;
  Table<RuleEntry, kRuleCapacity> dropRules;
  Table<EventEntry, kRuleCapacity> events;
  Table<EventEntry, kRuleCapacity> inventoryEvents;
  Table<DialogueEntry, kRuleCapacity> dialogues;
  std::vector<Counter> counters = std::vector<Counter>(kCounterCapacity);

  // Free texts.
  std::vector<Text> introLines;
  std::vector<Text> outroLines;
  std::vector<Text> helpLines;
  Text legendText;
  Text dictionaryText;

  // The location code of "carried by the current player": 999 +
  // currentPlayer, computed wide so that an absurd player number from the
  // data cannot overflow.
  int64_t InventoryCode() const {
    return 999 + static_cast<int64_t>(currentPlayer);
  }
  // Gender text of the current player ("" when the player is out of range).
  Text CurrentGender() const;
  // Item, counter and player lookups that ignore out-of-range indices:
  // they return nullptr instead of touching memory outside the tables.
  ItemRecord* Item(int id);
  Counter* CounterAt(int number);
  PlayerSlot* Player(int number);
};

// Asked before each record or line of the interruptible loaders: true when
// Escape is held or a window-close request is pending (which it takes).
using StopCheck = std::function<bool()>;

// The names of the fifteen data files, as resources under "dat/".
inline constexpr const char* kItemsFile = "dat/predmety.txt";
inline constexpr const char* kInitFile = "dat/inicializace.txt";
inline constexpr const char* kLocationsFile = "dat/lokace.txt";
inline constexpr const char* kExamineFile = "dat/prozkoumej.txt";
inline constexpr const char* kUseFile = "dat/pouzij.txt";
inline constexpr const char* kInventoryEventsFile = "dat/irpg.txt";
inline constexpr const char* kEventsFile = "dat/rpg.txt";
inline constexpr const char* kTakeRulesFile = "dat/takeaction.txt";
inline constexpr const char* kDropRulesFile = "dat/dropaction.txt";
inline constexpr const char* kLegendFile = "dat/legenda.txt";
inline constexpr const char* kDictionaryFile = "dat/slovnik.txt";
inline constexpr const char* kIntroFile = "dat/intro.txt";
inline constexpr const char* kDialoguesFile = "dat/mluv.txt";
inline constexpr const char* kOutroFile = "dat/outro.txt";
inline constexpr const char* kHelpFile = "dat/help.txt";
// All fifteen, in the order of their registration as resources.
inline constexpr std::array<const char*, 15> kDataFiles = {
    kItemsFile,     kInitFile,       kLocationsFile,
    kExamineFile,   kUseFile,        kInventoryEventsFile,
    kEventsFile,    kTakeRulesFile,  kDropRulesFile,
    kLegendFile,    kDictionaryFile, kIntroFile,
    kDialoguesFile, kOutroFile,      kHelpFile};

// The lines of one record in the files made of fixed-length records (the
// first line of each is a header for the author).
inline constexpr int kLocationRecordLines = 6;
inline constexpr int kObjectRuleRecordLines = 5;  // examine, use
inline constexpr int kEventRecordLines = 4;       // room and inventory events
inline constexpr int kItemRuleRecordLines = 6;    // take, drop
inline constexpr int kDialogueRecordLines = 9;

// The situations of the stock replies; each has a "_zena" and a "_muz" key
// in the initialization file. prozkoumej_ano and pouzij_ano are read
// although no situation prints them.
inline constexpr std::array<const char*, 24> kMessageSituations = {
    "prikaz_neznamy", "severano",      "severne",        "jihano",
    "jihne",          "vychodano",     "vychodne",       "zapadano",
    "zapadne",        "nahoruano",     "nahorune",       "doluano",
    "dolune",         "prozkoumej_ne", "pouzij_ne",      "seber_ano",
    "seber_ne",       "seber_static",  "plny_inventar",  "predmet_usebe",
    "poloz_ano",      "poloz_ne",      "prozkoumej_ano", "pouzij_ano",
};

// Rebuilds the world from the data files of the resource set in the fixed
// order. Keeps score, commandCount, pendingFlow, conditionResult and
// currentExits.
void LoadWorld(World& world, const ResourceSet& resources,
               const StopCheck& stop = {});

// The readers, each a step of LoadWorld, exposed for tests and tools.
// ReadTextLines splits a resource's decoded text at every LF (a missing
// resource has one empty line).
std::vector<Text> ReadTextLines(const ResourceSet& resources,
                                const std::string& resourceName);
void ReadInitialization(World& world, const std::vector<Text>& lines);
void ReadItems(World& world, const std::vector<Text>& lines);
void ReadLocations(World& world, const std::vector<Text>& lines,
                   const StopCheck& stop = {});
// Rule files: recordLength 5 (examine, use) or 6 (take, drop: with blocking).
void ReadRules(Table<RuleEntry, kRuleCapacity>& table,
               const std::vector<Text>& lines, int recordLength,
               const StopCheck& stop = {});
void ReadEvents(Table<EventEntry, kRuleCapacity>& table,
                const std::vector<Text>& lines, const StopCheck& stop = {});
void ReadDialogues(World& world, const std::vector<Text>& lines);
// Lines trimmed and joined with "/".
Text JoinTrimmedLines(const std::vector<Text>& lines,
                      const StopCheck& stop = {});

}  // namespace zarvel
