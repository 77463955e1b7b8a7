#pragma once
// What the keyboard and the window have told the game so far: the queue of
// typed characters, the held and freshly pressed keys, and a pending close
// request. Kept apart from SDL so its rules (256-character limit, repeats
// recording no press, focus changes discarding everything) stay plain.

#include <array>
#include <cstddef>
#include <deque>

namespace zarvel {

class InputState {
 public:
  static constexpr size_t kQueueCapacity = 256;

  // A typed character (one UTF-16 unit); dropped when the queue is full.
  void PushChar(char16_t unit);
  // 0 when the queue is empty.
  int PopChar();
  // Key codes outside 1..255 are ignored. A key that was down already
  // (a repeat) records no new press.
  void KeyDown(int code);
  void KeyUp(int code);
  bool IsKeyDown(int code) const;
  // Whether any key was pressed since the presses were last cleared.
  bool AnyKeyPressed() const;
  void Discard();

  void RequestClose() { closeRequested_ = true; }
  bool TakeCloseRequest();

 private:
  std::deque<char16_t> queue_;
  std::array<bool, 256> down_{};
  std::array<bool, 256> pressed_{};
  bool closeRequested_ = false;
};

}  // namespace zarvel
