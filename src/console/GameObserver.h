#pragma once
// What a front end may observe beyond the pixels: the terminal runner turns
// these into its transcript. Notifications only: nothing here steers the
// game (skipping the waits for a key is the headless platform's business).
// Every method has a do-nothing default.

#include <utility>
#include <vector>

#include "media/Text.h"

namespace zarvel {

// What the game waits for while it polls the keyboard, for a front end that
// reads whole lines and must know what a line is meant to answer.
struct InputWait {
  enum class Kind {
    Key,         // any key goes on (WaitForKey, the page pause)
    TitleMenu,   // one of the title menu's letters
    SlotMenu,    // a slot number 1..choices; Escape leaves
    OptionMenu,  // a conversation option 1..choices; Escape leaves
    YesNo,       // "a" or "n"
    Name,        // a position name, starting from initial; Enter ends it
  };
  InputWait(Kind waitKind, int choiceCount = 0, Text initialName = Text())
      : kind(waitKind), choices(choiceCount), initial(std::move(initialName)) {}

  Kind kind;
  int choices;   // the menus: the highest number that chooses
  Text initial;  // the name entry: the name it starts from
};

class GameObserver {
 public:
  virtual ~GameObserver() = default;
  // A line was added to the console, as stored (markup kept, "<->" as "").
  virtual void OnConsoleLine(const Text& storedLine) { (void)storedLine; }
  // A wait for a key starts (WaitForKey, each of the page pause's waits).
  virtual void OnWaitForKey() {}
  // The intro's title cards start (true) or end (false).
  virtual void OnIntroCards(bool running) { (void)running; }
  // The title menu is shown (once per visit).
  virtual void OnTitleMenu(const std::vector<Text>& menuLines) {
    (void)menuLines;
  }
  // A page of a paged text screen is presented.
  virtual void OnTextPage(const std::vector<Text>& pageLines) {
    (void)pageLines;
  }
  // ConsolePrint starts on this text (its lines follow one by one).
  virtual void OnConsolePrint(const Text& text) { (void)text; }
  // A wait for the given input begins (true) or ends (false); waits nest,
  // and with none open the game waits for the command line.
  virtual void OnInputWait(const InputWait& wait, bool begins) {
    (void)wait;
    (void)begins;
  }
};

}  // namespace zarvel
