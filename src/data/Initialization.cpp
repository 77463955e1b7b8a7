// The initialization file: key=value lines setting the World's settings,
// the players, and the gendered stock replies.
#include <string>
#include <unordered_map>

#include "data/World.h"

namespace zarvel {

namespace {

enum class KeyKind {
  kCompass,
  kInventoryLimit,
  kOldSchool,
  kCurrentPlayer,
  kPlayerRoom,
  kPlayerGender,
  kMessage,
};

using KeyTable = std::unordered_map<std::string, KeyKind>;

const KeyTable& RecognisedKeys() {
  static const KeyTable keys = [] {
    KeyTable table = {
        {"kompas", KeyKind::kCompass},    {"batoh", KeyKind::kInventoryLimit},
        {"oldskul", KeyKind::kOldSchool}, {"hrac", KeyKind::kCurrentPlayer},
        {"pl", KeyKind::kPlayerRoom},     {"plm", KeyKind::kPlayerGender},
    };
    for (const char* situation : kMessageSituations) {
      table.emplace(std::string(situation) + "_zena", KeyKind::kMessage);
      table.emplace(std::string(situation) + "_muz", KeyKind::kMessage);
    }
    return table;
  }();
  return keys;
}

// "number/text": the number before the first "/", the text after it; without
// a "/" the number is 0 and the whole value is the text.
void StorePlayerValue(World& world, const Text& value, bool isRoom) {
  const int slash = FindText(value, u"/", 1);
  const int number =
      slash == 0 ? 0 : ParseIntLenient(LeftText(value, slash - 1));
  const Text text = slash == 0 ? value : MidText(value, slash + 1, -1);
  PlayerSlot* player = world.Player(number);
  if (player == nullptr) return;  // outside the 100 slots: ignored
  if (isRoom) {
    player->room = text;  // raw: LoadWorld reads it through its integer value
  } else {
    player->gender = TrimText(text);
  }
}

}  // namespace

void ReadInitialization(World& world, const std::vector<Text>& lines) {
  const KeyTable& keys = RecognisedKeys();
  for (const Text& line : lines) {
    // Keys are plain ASCII and contain no "=", so the text before the first
    // "=" must be exactly a key; a blank before it or another case fails.
    const size_t equals = line.find(u'=');
    if (equals == Text::npos) continue;
    const std::string key = TextToUtf8(line.substr(0, equals));
    const auto found = keys.find(key);
    if (found == keys.end()) continue;
    const Text raw = line.substr(equals + 1);
    switch (found->second) {
      case KeyKind::kCompass:
        world.compassSetting = TrimText(raw);
        break;
      case KeyKind::kInventoryLimit:
        world.inventoryLimit = raw;
        break;
      case KeyKind::kOldSchool:
        world.oldSchool = TrimText(raw);
        break;
      case KeyKind::kCurrentPlayer:
        world.currentPlayer = ParseIntLenient(raw);
        break;
      case KeyKind::kPlayerRoom:
        StorePlayerValue(world, raw, true);
        break;
      case KeyKind::kPlayerGender:
        StorePlayerValue(world, raw, false);
        break;
      case KeyKind::kMessage:
        world.messages[key] = raw;
        break;
    }
  }
}

}  // namespace zarvel
