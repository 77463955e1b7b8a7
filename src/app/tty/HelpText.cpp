#include "HelpText.h"

namespace zarvel::tty {

const char* TtyHelpText() {
  return R"(usage: zarvel-tty [--raw] [--no-pause] [--width N] [--speak] [--data DIR] [--keys FILE] [--screenshot FILE]

Zarvel, the Czech text adventure, in a terminal. Type short Czech commands
("sever", "seber klíč", "mluv sestru", "pomoc") and press Enter.

  --width N      wrap the text at N columns (0: do not wrap); by default the
                 terminal's width, and no wrapping when the output is not a
                 terminal
  --speak        read the game's text aloud in Czech (spd-say from
                 speech-dispatcher, espeak-ng voice); typing stops it
  --raw          the test transcript: console lines as stored, [wait] for
                 every wait, key-script tokens in typed lines
  --no-pause     let every wait for a key pass at once
  --data DIR     play the data files found in DIR instead of the built-in ones
  --keys FILE    read the typed lines from a key script instead of the keyboard
  --screenshot FILE  write the last game screen as a PNG at the end
  --help         show this help and exit
  --version      show the version and exit

Playing:
  Each paragraph is one line, wrapped at word boundaries. "[stiskni Enter]"
  waits for Enter. Menus say which keys they take: type the number (or a
  letter such as "a" or "n") and press Enter; an empty line (or "esc")
  leaves a conversation or a save or load menu. When saving, the old name of
  the position is ready to be edited. Up and down arrows bring back earlier
  commands, also from earlier games; Ctrl-D ends the program.
  Saved positions (pozice_01.sav ... pozice_09.sav) are kept in the current
  folder. The history is kept in
  ${XDG_STATE_HOME:-$HOME/.local/state}/zarvel/history.

With a screen reader (Orca, Speakup, Fenrir):
  The output is plain text written once and in order, without colours,
  cursor movement or bells; every prompt starts its own line. Without a
  screen reader, --speak reads the text aloud.
)";
}

}  // namespace zarvel::tty
