#pragma once
// What zarvel-tty shows without --raw: the game as a player reads it in a
// terminal or through a screen reader. Paragraphs instead of the window's
// console lines, the typed command not echoed a second time, and the kind
// of input the game waits for, so that the line reader can ask for it.

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "Paragraphs.h"
#include "game/Game.h"
#include "media/headless/HeadlessPlatform.h"

namespace zarvel::tty {

class PlayerView : public GameObserver {
 public:
  PlayerView(HeadlessPlatform& platform, ParagraphWriter& writer);

  // The innermost wait now open; nothing while the game waits for a
  // command.
  std::optional<InputWait> CurrentWait() const;
  // The terminal already shows this command line: its echo in the console
  // is not written again.
  void ExpectEcho(const std::string& utf8Line);
  // The paragraphs written since the last call (for speech), in order.
  std::vector<std::string> TakeNewParagraphs();
  // Writes a paragraph of the runner's own (a prompt, a confirmation).
  void WriteOwn(const std::string& utf8);

  void OnConsolePrint(const Text& text) override;
  void OnConsoleLine(const Text& storedLine) override;
  void OnIntroCards(bool running) override;
  void OnTitleMenu(const std::vector<Text>& menuLines) override;
  void OnTextPage(const std::vector<Text>& pageLines) override;
  void OnInputWait(const InputWait& wait, bool begins) override;

 private:
  struct Segment {
    Text text;
    bool silent = false;  // the echo of a command the terminal shows
  };

  void Write(const std::string& utf8);

  HeadlessPlatform& platform_;
  ParagraphWriter& writer_;
  std::vector<InputWait> waits_;
  std::optional<Text> expectedEcho_;
  // The segments of the texts being printed, oldest first; the front one
  // is written whole at its first console line and then counted off.
  std::deque<Segment> segments_;
  size_t segmentTaken_ = 0;
  bool segmentStarted_ = false;
  std::vector<std::string> newParagraphs_;
};

}  // namespace zarvel::tty
