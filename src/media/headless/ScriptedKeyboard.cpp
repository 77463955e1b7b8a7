#include "media/headless/ScriptedKeyboard.h"

#include <memory>
#include <utility>

#include "media/Keys.h"
#include "media/Platform.h"

namespace zarvel {

ScriptedKeyboard::ScriptedKeyboard(VirtualClock& clock) : clock_(clock) {
  SetLines({});
}

void ScriptedKeyboard::SetLineSource(LineSource source) {
  source_ = std::move(source);
}

void ScriptedKeyboard::SetLines(std::vector<std::string> lines) {
  auto shared = std::make_shared<std::vector<std::string>>(std::move(lines));
  auto next = std::make_shared<size_t>(0);
  source_ = [shared, next]() -> std::optional<std::string> {
    if (*next >= shared->size()) return std::nullopt;
    return (*shared)[(*next)++];
  };
}

int ScriptedKeyboard::NextChar() {
  if (queue_.empty()) TypeWhenAsked(false);
  if (queue_.empty()) {
    // A poll that finds nothing costs time, so polling loops move the
    // clock on and waits in the script come to an end.
    clock_.Advance(1);
    return 0;
  }
  const char16_t code = queue_.front();
  queue_.pop_front();
  return code;
}

bool ScriptedKeyboard::IsKeyDown(int keyCode) const {
  return keyCode == kKeyEscape && escapeDown_;
}

void ScriptedKeyboard::DiscardInput() {
  queue_.clear();
  escapeDown_ = false;
  pressed_ = false;
}

void ScriptedKeyboard::WaitKeyPress() {
  DiscardInput();
  while (!pressed_) {
    // Waiting for a key is where the script's pauses pass.
    clock_.AdvanceTo(typingResumesAt_);
    TypeWhenAsked(true);
  }
  pressed_ = false;
}

bool ScriptedKeyboard::TakeCloseRequest() {
  if (!closeRequested_) return false;
  closeRequested_ = false;
  confirmAnswer_ = closeAnswer_;
  return true;
}

bool ScriptedKeyboard::TakeConfirmAnswer() {
  const bool answer = confirmAnswer_.value_or(false);
  confirmAnswer_.reset();
  return answer;
}

void ScriptedKeyboard::TypeWhenAsked(bool evenIfHeld) {
  if (typingHeld_ && !evenIfHeld) return;
  if (!WaitIsOver()) return;
  if (!LineHasMore()) {
    std::optional<std::string> next = source_ ? source_() : std::nullopt;
    if (!next) throw InputExhausted{};
    line_ = ParseKeyLine(*next);
    position_ = 0;
  }
  TypeRestOfLine();
}

void ScriptedKeyboard::TypeRestOfLine() {
  using Kind = KeyEvent::Kind;
  while (LineHasMore()) {
    const KeyEvent event = line_[position_++];
    switch (event.kind) {
      case Kind::Char:
        pressed_ = true;
        // Escape goes down as it is typed and up when the next key is.
        escapeDown_ = event.value == kKeyEscape;
        // A full queue drops the character, as the window system's does.
        if (queue_.size() < kQueueCapacity) {
          queue_.push_back(static_cast<char16_t>(event.value));
        }
        break;
      case Kind::Press:
        pressed_ = true;
        escapeDown_ = false;
        break;
      case Kind::Close:
        closeRequested_ = true;
        closeAnswer_ = event.value != 0;
        break;
      case Kind::Wait:
        typingResumesAt_ = clock_.now + event.value;
        if (event.value > 0) return;
        break;
    }
  }
}

}  // namespace zarvel
