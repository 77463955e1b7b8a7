// Gendered stock replies: the message of a key for the current player's
// gender.

#include "commands/CommandParts.h"
#include "commands/Commands.h"
#include "console/Console.h"
#include "game/Game.h"

namespace zarvel {
namespace {

const char* GenderSuffix(Game& game) {
  const Text gender = game.world.CurrentGender();
  if (gender == u"muž") return "_muz";
  if (gender == u"žena") return "_zena";
  return nullptr;
}

}  // namespace

bool HasKnownGender(Game& game) { return GenderSuffix(game) != nullptr; }

Text GenderedMessage(Game& game, const std::string& key) {
  const char* suffix = GenderSuffix(game);
  if (suffix == nullptr) return Text();
  const auto found = game.world.messages.find(key + suffix);
  return found == game.world.messages.end() ? Text() : found->second;
}

void ReplyWithKey(Game& game, const std::string& key) {
  ReplyWithKeyFramed(game, key, Text(), Text());
}

void ReplyWithKeyFramed(Game& game, const std::string& key, const Text& before,
                        const Text& after) {
  // A missing message still prints (an empty line); only an unknown gender
  // silences the reply.
  if (!HasKnownGender(game)) return;
  ConsolePrint(game, before + GenderedMessage(game, key) + after);
}

}  // namespace zarvel
