#pragma once
// The key script of the headless platform: UTF-8 lines, each typed as its
// characters followed by Enter, with tokens for keys that a plain line
// cannot hold:
//   {esc} Escape (27)   {bs} Backspace (8)   {tab} Tab (9)
//   {key} a key press that gives no character (like Shift)
//   {close} a window-close request whose confirmation is answered Cancel
//   {quit}  a window-close request whose confirmation is answered OK
//   {wait N} type nothing more for N ms of the virtual clock
//   {noenter} no Enter after the line    {{ a literal "{"
// Anything else in braces is typed as written, so a stray "{" never makes
// a line unusable.

#include <string>
#include <string_view>
#include <vector>

namespace zarvel {

struct KeyEvent {
  enum class Kind {
    Char,   // a typed character; value is its UTF-16 unit
    Press,  // a key press without a character
    Close,  // a close request; value 1 when its confirmation answers OK
    Wait,   // value is the pause in milliseconds
  };
  Kind kind = Kind::Char;
  int value = 0;

  bool operator==(const KeyEvent&) const = default;
};

// The events of one line, Enter (13) last unless the line has {noenter}
// (anywhere in it). A line end (LF or CR LF) at its end is not typed.
std::vector<KeyEvent> ParseKeyLine(std::string_view utf8Line);

// Cuts a whole script into lines at LF, dropping a CR before it, a UTF-8
// byte-order mark at the start and the empty piece after a final LF.
std::vector<std::string> SplitScriptLines(std::string_view script);

}  // namespace zarvel
