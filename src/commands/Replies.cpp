// Gendered stock replies, the yes/no question and the number keys of the
// slot and option menus.

#include "commands/CommandParts.h"
#include "commands/Commands.h"
#include "console/Console.h"
#include "shell/Game.h"

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

Text AskYesNo(Game& game) {
  // The question is already on the screen (every print presents a frame),
  // so this only polls; any other key is swallowed.
  const InputWaitScope waiting(game, {InputWait::Kind::YesNo});
  for (;;) {
    const int code = game.platform.NextChar();
    if (code == 'A' || code == 'a') return u"1";
    if (code == 'N' || code == 'n') return u"0";
  }
}

int NumberKeyOf(int code) {
  // The digits and the unshifted number-row keys of the Czech layout (and
  // the Slovak ľ and ť), so a choice works whichever layout is active.
  switch (code) {
    case u'1':
    case u'+':
      return 1;
    case u'2':
    case u'ě':
    case u'ľ':
      return 2;
    case u'3':
    case u'š':
      return 3;
    case u'4':
    case u'č':
      return 4;
    case u'5':
    case u'ř':
    case u'ť':
      return 5;
    case u'6':
    case u'ž':
      return 6;
    case u'7':
    case u'ý':
      return 7;
    case u'8':
    case u'á':
      return 8;
    case u'9':
    case u'í':
      return 9;
    default:
      return 0;
  }
}

}  // namespace zarvel
