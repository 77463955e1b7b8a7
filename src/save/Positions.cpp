// The save and load menus: nine slots in the console, a one-key choice, the
// name entry, and the file itself.

#include "save/Positions.h"

#include "console/CommandLine.h"
#include "console/Console.h"
#include "console/InputWait.h"
#include "console/Prompts.h"
#include "console/Screen.h"
#include "game/Game.h"
#include "media/Keys.h"
#include "rules/Rules.h"

namespace zarvel {
namespace {

constexpr int kSlotCount = 9;
constexpr size_t kNameLimit = 50;

}  // namespace

std::string SlotFileName(int slot) {
  return "pozice_0" + std::to_string(slot) + ".sav";
}

Text ReadPositionFile(FileStore& files, const std::string& fileName) {
  std::string bytes;
  if (!files.Read(fileName, bytes)) return Text();
  return DecodeTextBytes(bytes);
}

std::array<SlotInfo, 9> SurveySlots(FileStore& files) {
  std::array<SlotInfo, 9> slots;
  for (int slot = 1; slot <= kSlotCount; ++slot) {
    SlotInfo& info = slots[slot - 1];
    const std::string fileName = SlotFileName(slot);
    info.occupied = files.Exists(fileName);
    if (!info.occupied) continue;
    info.wholeText = ReadPositionFile(files, fileName);
    info.name = SplitText(info.wholeText, u"\r").front();
  }
  return slots;
}

bool SavePosition(Game& game) {
  const std::array<SlotInfo, 9> slots = SurveySlots(game.platform.Files());
  ConsolePrint(game, u"Vyber si pozici k uložení...");
  ConsolePrint(game, u"");
  for (int slot = 1; slot <= kSlotCount; ++slot) {
    const Text& name = slots[slot - 1].name;
    ConsolePrint(game, FormatInt(slot) + (name.empty() ? u". < volná pozice > "
                                                       : u". " + name));
  }
  ConsolePrint(game, u"");
  game.platform.DiscardInput();

  int slot = 0;
  {
    const InputWaitScope waiting(game.console,
                                 {InputWait::Kind::SlotMenu, kSlotCount});
    slot = WaitForNumber(game.platform, kSlotCount);
  }
  if (slot == 0) {
    game.platform.DiscardInput();
    ConsolePrint(game, u"Ukládání přerušeno...");
    return false;
  }
  ConsolePrint(game, u"Vlož jméno pozice:");
  const Text name = EnterPositionName(game, slots[slot - 1].name);

  World& world = game.world;
  if (world.currentPlayer >= 0 && world.currentPlayer < kPlayerCapacity) {
    game.savedPlayerRooms[world.currentPlayer] = world.currentRoom;
  }
  // The file is replaced atomically; an existing file that cannot be opened
  // for writing is refused.
  if (!game.platform.Files().WriteReplacing(
          SlotFileName(slot), EncodeTextBytes(BuildPositionText(game, name)))) {
    ConsolePrint(game, u"Pozici se nepodařilo uložit, disk asi stávkuje.");
    return false;
  }
  return true;
}

void LoadPosition(Game& game) {
  const std::array<SlotInfo, 9> slots = SurveySlots(game.platform.Files());
  bool anyPresent = false;
  for (const SlotInfo& info : slots) anyPresent = anyPresent || info.occupied;
  if (!anyPresent) {
    ConsolePrint(game, u"Nemáš žádnou pozici k načtení...");
    return;
  }
  ConsolePrint(game, u"Vyber si pozici k načtení...");
  ConsolePrint(game, u"");
  // Named positions are numbered without gaps in slot order; a position
  // with an empty name is present but cannot be chosen.
  std::array<std::string, kSlotCount + 1> choices;
  int listed = 0;
  for (int slot = 1; slot <= kSlotCount; ++slot) {
    const Text& name = slots[slot - 1].name;
    if (name.empty()) continue;
    ++listed;
    ConsolePrint(game, FormatInt(listed) + u". " + name);
    choices[listed] = SlotFileName(slot);
  }
  ConsolePrint(game, u"");
  game.platform.DiscardInput();

  int choice = 0;
  {
    const InputWaitScope waiting(game.console,
                                 {InputWait::Kind::SlotMenu, listed});
    choice = WaitForNumber(game.platform, listed);
  }
  if (choice == 0) {
    game.platform.DiscardInput();
    ConsolePrint(game, u"Nahrávání přerušeno...");
    return;
  }
  const std::string& fileName = choices[choice];
  // The whole file is read before the world is rebuilt: a file that
  // vanished or fails to read must leave the game in progress untouched.
  std::string bytes;
  if (!game.platform.Files().Exists(fileName) ||
      !game.platform.Files().Read(fileName, bytes)) {
    ConsolePrint(game,
                 u"Error Terror! Chyba při načítání pozice, je zjevně něco "
                 u"špatně.");
    return;
  }
  // Not a snapshot: the world starts from the data again and the file's
  // assignments go on top.
  LoadWorld(game);
  ApplyPositionText(game, DecodeTextBytes(bytes));
  ConsolePrint(game, u"Pozice byla úspěšně natažena do paměti.");
  EnterLocation(game, true);
}

Text EnterPositionName(Game& game, const Text& initial) {
  Text name = initial;
  const InputWaitScope waiting(game.console,
                               {InputWait::Kind::Name, 0, initial});
  for (;;) {
    const int code = game.platform.NextChar();
    RedrawScreen(game.console);
    DrawEntryLine(game.platform, name);
    game.platform.Flip();
    if (code <= 0) continue;
    if (code == kKeyEnter) return name;
    if (code == kKeyBackspace) {
      if (!name.empty()) name.pop_back();
    } else if (name.size() < kNameLimit) {
      name += CharText(code);
    }
  }
}

}  // namespace zarvel
