// The initialization file: keys the loader would silently pass over, the
// settings and the player the game needs, and each stock reply in both
// genders (a reply missing in one gender prints an empty line).
#include <array>
#include <map>
#include <set>
#include <string>

#include "Checks.h"
#include "ListSyntax.h"

namespace zarvel::lint {

namespace {

// No situation prints these two, so a data set may leave them out.
constexpr std::array<const char*, 2> kUnprinted = {"prozkoumej_ano",
                                                   "pouzij_ano"};
constexpr std::array<const char*, 6> kSettings = {"kompas", "batoh", "oldskul",
                                                  "hrac",   "pl",    "plm"};
// Keys of the format that the game reads but does not use.
constexpr std::array<const char*, 5> kUnusedKeys = {
    "scoremax", "scorestart", "delka_rezani", "inventory", "object"};

std::set<std::string> RecognisedKeys() {
  std::set<std::string> keys(kSettings.begin(), kSettings.end());
  for (const char* situation : kMessageSituations) {
    keys.insert(std::string(situation) + "_zena");
    keys.insert(std::string(situation) + "_muz");
  }
  return keys;
}

bool IsKeyLike(const std::string& key) {
  if (key.empty()) return false;
  for (char c : key) {
    if (!(c >= 'a' && c <= 'z') && c != '_') return false;
  }
  return true;
}

std::string Lower(std::string text) {
  for (char& c : text) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return text;
}

bool IsUnprinted(const std::string& situation) {
  for (const char* name : kUnprinted) {
    if (situation == name) return true;
  }
  return false;
}

}  // namespace

void CheckInitialization(const DataSet& data, Report& report) {
  if (!data.has(kInitFile)) return;
  const DataFile& file = data.file(kInitFile);
  const std::set<std::string> recognised = RecognisedKeys();
  const std::set<std::string> unused(kUnusedKeys.begin(), kUnusedKeys.end());
  std::map<std::string, int> lineOfKey;  // the last line wins, as in the game
  std::map<std::string, Text> valueOfKey;
  for (size_t i = 0; i < file.lines.size(); ++i) {
    const int line = static_cast<int>(i) + 1;
    const Text& text = file.lines[i];
    const size_t equals = text.find(u'=');
    if (equals == Text::npos) continue;
    const std::string key = TextToUtf8(text.substr(0, equals));
    if (recognised.contains(key)) {
      lineOfKey[key] = line;
      valueOfKey[key] = text.substr(equals + 1);
      continue;
    }
    const std::string trimmed = TextToUtf8(TrimText(text.substr(0, equals)));
    if (recognised.contains(trimmed) || unused.contains(trimmed)) {
      if (trimmed != key) {
        report.Error(kInitFile, file.path, line,
                     "blank before the key " + trimmed +
                         "=: the game ignores this line");
        continue;
      }
    }
    if (recognised.contains(Lower(key))) {
      report.Error(kInitFile, file.path, line,
                   "the key " + key + "= is written in another case than " +
                       Lower(key) + "=: the game ignores this line");
    } else if (IsKeyLike(key) && !unused.contains(key)) {
      report.Error(kInitFile, file.path, line,
                   "unknown key " + key + "=: the game ignores this line");
    }
  }

  for (const char* setting : {"kompas", "batoh", "oldskul", "hrac"}) {
    if (!lineOfKey.contains(setting)) {
      report.Error(kInitFile, file.path, 0,
                   std::string("no ") + setting + "= line");
    }
  }
  const World& world = *data.world;
  const PlayerSlot* player =
      const_cast<World&>(world).Player(world.currentPlayer);
  if (player == nullptr || TrimText(player->room).empty()) {
    report.Error(kInitFile, file.path, 0,
                 "no pl= line gives the playing player (hrac=" +
                     std::to_string(world.currentPlayer) + ") a room");
  }
  if (player == nullptr ||
      (player->gender != u"muž" && player->gender != u"žena")) {
    report.Error(kInitFile, file.path,
                 lineOfKey.contains("plm") ? lineOfKey["plm"] : 0,
                 "the playing player's gender is " +
                     (player ? Quoted(player->gender) : std::string("unset")) +
                     ", not muž or žena: no gendered reply is printed");
  }

  for (const char* situation : kMessageSituations) {
    const std::string feminine = std::string(situation) + "_zena";
    const std::string masculine = std::string(situation) + "_muz";
    const bool hasFeminine = lineOfKey.contains(feminine);
    const bool hasMasculine = lineOfKey.contains(masculine);
    if (hasFeminine && !hasMasculine) {
      report.Error(kInitFile, file.path, lineOfKey[feminine],
                   feminine + " has no " + masculine +
                       ": a masculine player gets an empty line");
    } else if (hasMasculine && !hasFeminine) {
      report.Error(kInitFile, file.path, lineOfKey[masculine],
                   masculine + " has no " + feminine +
                       ": a feminine player gets an empty line");
    } else if (!hasFeminine && !IsUnprinted(situation)) {
      report.Error(kInitFile, file.path, 0,
                   std::string("no ") + situation +
                       "_zena= or _muz= line: the game prints an empty line "
                       "there");
    }
  }
  for (const char* key : {"predmet_usebe_zena", "predmet_usebe_muz"}) {
    if (valueOfKey.contains(key) && !valueOfKey[key].starts_with(u" ")) {
      report.Error(kInitFile, file.path, lineOfKey[key],
                   std::string(key) +
                       " follows the item's name directly, so it should begin "
                       "with a blank");
    }
  }
}

}  // namespace zarvel::lint
