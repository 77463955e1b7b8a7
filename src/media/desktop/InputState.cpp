#include "media/desktop/InputState.h"

#include <algorithm>

namespace zarvel {

namespace {
bool IsKeyCode(int code) { return code >= 1 && code <= 255; }
}  // namespace

void InputState::PushChar(char16_t unit) {
  if (queue_.size() < kQueueCapacity) queue_.push_back(unit);
}

int InputState::PopChar() {
  if (queue_.empty()) return 0;
  char16_t unit = queue_.front();
  queue_.pop_front();
  return unit;
}

void InputState::KeyDown(int code) {
  if (!IsKeyCode(code)) return;
  if (!down_[code]) pressed_[code] = true;
  down_[code] = true;
}

void InputState::KeyUp(int code) {
  if (IsKeyCode(code)) down_[code] = false;
}

bool InputState::IsKeyDown(int code) const {
  return IsKeyCode(code) && down_[code];
}

bool InputState::AnyKeyPressed() const {
  return std::find(pressed_.begin(), pressed_.end(), true) != pressed_.end();
}

void InputState::Discard() {
  queue_.clear();
  down_.fill(false);
  pressed_.fill(false);
}

bool InputState::TakeCloseRequest() {
  bool was = closeRequested_;
  closeRequested_ = false;
  return was;
}

}  // namespace zarvel
