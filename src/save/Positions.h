#pragma once
// Nine named positions as small text files pozice_01.sav .. pozice_09.sav
// in the platform's FileStore (on the desktop, the current working
// directory).

#include <array>
#include <string>

#include "media/FileStore.h"
#include "media/Text.h"

namespace zarvel {

struct Game;

struct SlotInfo {
  bool occupied = false;
  Text wholeText;
  Text name;
};

std::string SlotFileName(int slot);  // 1..9
std::array<SlotInfo, 9> SurveySlots(FileStore& files);
// The text of a position file; empty when it cannot be read.
Text ReadPositionFile(FileStore& files, const std::string& fileName);
// True when a position file was written.
bool SavePosition(Game& game);
void LoadPosition(Game& game);
Text EnterPositionName(Game& game, const Text& initial);
// The text of a position file for the current world (lines ended by CR).
Text BuildPositionText(Game& game, const Text& name);
// Applies the lines of a position file over the world (after LoadWorld).
void ApplyPositionText(Game& game, const Text& text);

}  // namespace zarvel
