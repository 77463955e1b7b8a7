#pragma once
// The headless keyboard and window: a key script typed line by line into
// the platform's character queue, at the moments a player at a real
// keyboard would type — when the program asks for a key.
//
// Typing rules:
// - A line is typed only when the program asks for a character (NextChar
//   with an empty queue) or waits for a key (WaitKeyPress), and then the
//   whole line at once, so no line is lost to the discarding of input after
//   printing; what a single key press answered of a line stays queued and is
//   discarded later as on a real keyboard.
// - {wait N} stops the typing for N ms of the virtual clock; the rest of the
//   line is typed at the first ask after that.
// - While typing is held (the intro's title cards) NextChar types nothing.
//   WaitKeyPress types regardless, since nothing else could end its wait.
// - Escape counts as held down from the moment its 27 is typed into the
//   queue until the next key is typed or the input is discarded. A line is
//   typed at once, so "1{esc}{noenter}" is a digit typed with Escape held,
//   as a real keyboard delivers it to the slot menus, the conversation menu
//   and the loader; "{esc}" alone on a line is let go by its Enter.
// - A close request waits until TakeCloseRequest takes it; the answer of
//   the Confirm that follows is the one its token gave ({close} Cancel,
//   {quit} OK). A Confirm without a taken request answers Cancel.
// - Asking for input when nothing is queued or waiting and the script has
//   ended throws InputExhausted.

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "media/headless/KeyScript.h"
#include "media/headless/VirtualClock.h"

namespace zarvel {

class ScriptedKeyboard {
 public:
  // Gives the next script line (UTF-8, without its line end), or nothing
  // when the script has ended. Called only when a line is to be typed, so
  // an interactive source can read the terminal at that moment.
  using LineSource = std::function<std::optional<std::string>()>;

  static constexpr size_t kQueueCapacity = 256;

  explicit ScriptedKeyboard(VirtualClock& clock);

  void SetLineSource(LineSource source);
  void SetLines(std::vector<std::string> lines);
  void SetTypingHeld(bool held) { typingHeld_ = held; }
  bool typingHeld() const { return typingHeld_; }

  int NextChar();
  bool IsKeyDown(int keyCode) const;
  void DiscardInput();
  void WaitKeyPress();
  bool TakeCloseRequest();
  // The answer for a Confirm now shown: that of the last taken close
  // request, used once.
  bool TakeConfirmAnswer();

  const std::deque<char16_t>& queued() const { return queue_; }
  bool closeRequestPending() const { return closeRequested_; }

 private:
  // Types what the script has ready: the rest of a line after a finished
  // wait, else (unless held) the next line. Throws InputExhausted at the
  // end of the script.
  void TypeWhenAsked(bool evenIfHeld);
  bool WaitIsOver() const { return clock_.now >= typingResumesAt_; }
  bool LineHasMore() const { return position_ < line_.size(); }
  void TypeRestOfLine();

  VirtualClock& clock_;
  LineSource source_;
  std::vector<KeyEvent> line_;
  size_t position_ = 0;
  int64_t typingResumesAt_ = 0;
  bool typingHeld_ = false;

  std::deque<char16_t> queue_;
  bool escapeDown_ = false;
  bool pressed_ = false;
  bool closeRequested_ = false;
  bool closeAnswer_ = false;
  std::optional<bool> confirmAnswer_;
};

}  // namespace zarvel
