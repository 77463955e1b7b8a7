// Prompts that wait for one key: the yes/no question and the number keys of
// the slot and option menus.
#include "console/Prompts.h"

#include "console/InputWait.h"
#include "media/Keys.h"

namespace zarvel {

bool AskYesNo(Platform& platform) {
  // The question is already on the screen (every print presents a frame),
  // so this only polls; any other key is swallowed.
  for (;;) {
    const int code = platform.NextChar();
    if (code == 'A' || code == 'a') return true;
    if (code == 'N' || code == 'n') return false;
  }
}

bool AskYesNo(Console& console) {
  const InputWaitScope waiting(console, {InputWait::Kind::YesNo});
  return AskYesNo(console.platform);
}

int WaitForNumber(Platform& platform, int highest) {
  for (;;) {
    const int number = NumberKeyOf(platform.NextChar());
    if (number > 0 && number <= highest) return number;
    if (platform.IsKeyDown(kKeyEscape)) return 0;
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
