// Gendered stock replies: the message of a key for the current player's
// gender.

#include "commands/CommandParts.h"
#include "commands/Commands.h"
#include "console/Console.h"
#include "game/Game.h"

namespace zarvel {
namespace {

const char* GenderSuffix(const World& world) {
  const Text gender = world.CurrentGender();
  if (gender == u"muž") return "_muz";
  if (gender == u"žena") return "_zena";
  return nullptr;
}

}  // namespace

bool HasKnownGender(const World& world) {
  return GenderSuffix(world) != nullptr;
}

Text GenderedMessage(const World& world, const std::string& key) {
  const char* suffix = GenderSuffix(world);
  if (suffix == nullptr) return Text();
  const auto found = world.messages.find(key + suffix);
  return found == world.messages.end() ? Text() : found->second;
}

void ReplyWithKey(Game& game, const std::string& key) {
  ReplyWithKeyFramed(game, key, Text(), Text());
}

void ReplyWithKeyFramed(Game& game, const std::string& key, const Text& before,
                        const Text& after) {
  // A missing message still prints (an empty line); only an unknown gender
  // silences the reply.
  if (!HasKnownGender(game.world)) return;
  ConsolePrint(game, before + GenderedMessage(game.world, key) + after);
}

}  // namespace zarvel
