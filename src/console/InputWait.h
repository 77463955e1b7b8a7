#pragma once
// What the game waits for while it polls the keyboard, for a front end that
// reads whole lines and must know what a line is meant to answer; and the
// scope that tells the console's observer when such a wait begins and ends.

#include <utility>

#include "console/Console.h"
#include "console/GameObserver.h"
#include "media/Text.h"

namespace zarvel {

// Tells the console's observer, if any, that a wait begins here and ends
// when the scope is left (also by an exception).
class InputWaitScope {
 public:
  InputWaitScope(Console& console, InputWait wait)
      : observer_(console.observer), wait_(std::move(wait)) {
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

}  // namespace zarvel
