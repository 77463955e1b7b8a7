#pragma once
// A record of when the game takes keys, for the tests that drive the real
// window. The game throws away keys typed while it prints, so a test that
// types too early loses them; with this record it types exactly when the
// game reads again instead of guessing with pauses.
//
// Off unless the environment variable ZARVEL_INPUT_TRACE names a file. The
// file gets one line per event, flushed at once:
//   "char N"  the game took the character with code N;
//   "ready"   the game asked for a key and found none: it has taken every
//             key so far (or thrown them away), has finished what they
//             asked for, and takes the next key typed. Written once until
//             a key is taken again.

#include <cstdio>

namespace zarvel {

class InputTrace {
 public:
  InputTrace();
  ~InputTrace();
  InputTrace(const InputTrace&) = delete;
  InputTrace& operator=(const InputTrace&) = delete;

  // The game asked for a character and got code (0: none was queued).
  void CharAsked(int code);
  // The game waits for any key press.
  void KeyAwaited();

 private:
  void Write(const char* line);

  std::FILE* file_ = nullptr;
  bool readyWritten_ = false;
};

}  // namespace zarvel
