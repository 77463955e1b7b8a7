#pragma once
// The command interpreter: splitting a typed line, the command table, the
// object verbs and conversations.
// The folder's interface header: named after the folder, it declares, for
// all of the folder's files, what the layers above may call (see
// ARCHITECTURE.md, "Headers").

#include <string>

#include "media/Text.h"

namespace zarvel {

struct Game;
struct World;

void DispatchCommand(Game& game, const Text& line);
// Prints the message of key + "_muz" or key + "_zena" by the current
// player's gender; nothing for any other gender.
void ReplyWithKey(Game& game, const std::string& key);
// The message text for the gender, "" when the gender is neither.
Text GenderedMessage(const World& world, const std::string& key);

void TakeItem(Game& game, const Text& noun);
void DropItem(Game& game, const Text& noun);
void ExamineObject(Game& game, const Text& noun);
void UseObject(Game& game, const Text& noun);
int RunTakeRules(Game& game, const Text& noun);
int RunDropRules(Game& game, const Text& noun);

void TalkTo(Game& game, const Text& noun);

}  // namespace zarvel
