#pragma once
// The one object that owns a running game: the World, the Console, the
// shell's settings and the Platform it runs on. Every operation of the game
// is a free function taking it, so a test can run a whole game in a few lines.

#include <array>
#include <utility>
#include <vector>

#include "console/Console.h"
#include "data/World.h"
#include "media/Platform.h"
#include "media/Text.h"

namespace zarvel {

// Program-wide values that live for the whole run and survive LoadWorld.
struct ShellSettings {
  Text inputLine;
  bool debugMode = false;
  bool qwertySwap = false;
  int musicOn = 1;
  bool fullscreen = false;
  SoundHandle introTrack = 0;
  SoundHandle gameTrack = 0;
  ChannelHandle musicChannel = 0;
  FontHandle font = 0;
  ImageHandle logoImage = 0;
  int lineHeight = 0;
  int charWidth = 0;
  Text storyText;
  int32_t introClock = 0;
};

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

// What a front end may want to know beyond the pixels: the terminal runner
// turns these into its transcript. Every method has a do-nothing default.
class GameObserver {
 public:
  virtual ~GameObserver() = default;
  // A line was added to the console, as stored (markup kept, "<->" as "").
  virtual void OnConsoleLine(const Text& storedLine) { (void)storedLine; }
  // A wait for a key starts (WaitForKey, each of the page pause's waits).
  // Returning true skips the wait without consuming input.
  virtual bool OnWaitForKey() { return false; }
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

struct Game {
  explicit Game(Platform& platformToUse) : platform(platformToUse) {}

  Platform& platform;
  World world;
  Console console;
  ShellSettings shell;
  std::array<int, kPlayerCapacity> savedPlayerRooms{};
  GameObserver* observer = nullptr;  // not owned; may be null
};

// Tells the observer, if any, that a wait begins here and ends when the
// scope is left (also by an exception).
class InputWaitScope {
 public:
  InputWaitScope(Game& game, InputWait wait)
      : observer_(game.observer), wait_(std::move(wait)) {
    if (observer_) observer_->OnInputWait(wait_, true);
  }
  ~InputWaitScope() {
    if (observer_) observer_->OnInputWait(wait_, false);
  }
  InputWaitScope(const InputWaitScope&) = delete;
  InputWaitScope& operator=(const InputWaitScope&) = delete;

 private:
  GameObserver* observer_;
  InputWait wait_;
};

// LoadWorld with the Escape / close-request check of the platform.
void LoadWorld(Game& game);

}  // namespace zarvel
