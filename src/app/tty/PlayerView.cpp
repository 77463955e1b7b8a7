#include "PlayerView.h"

namespace zarvel::tty {

namespace {

const Text kForcedPause = u"<->";

// The command line may swap y and z before the game echoes it.
Text FoldSwap(Text text) {
  for (char16_t& c : text) {
    if (c == u'z') c = u'y';
  }
  return text;
}

}  // namespace

PlayerView::PlayerView(HeadlessPlatform& platform, ParagraphWriter& writer)
    : platform_(platform), writer_(writer) {}

std::optional<InputWait> PlayerView::CurrentWait() const {
  if (waits_.empty()) return std::nullopt;
  return waits_.back();
}

void PlayerView::ExpectEcho(const std::string& utf8Line) {
  expectedEcho_ = u">" + Utf8ToText(utf8Line);
}

std::vector<std::string> PlayerView::TakeNewParagraphs() {
  std::vector<std::string> taken;
  taken.swap(newParagraphs_);
  return taken;
}

void PlayerView::Write(const std::string& utf8) {
  writer_.Write(utf8);
  newParagraphs_.push_back(utf8);
}

void PlayerView::WriteOwn(const std::string& utf8) { writer_.Write(utf8); }

void PlayerView::OnConsolePrint(const Text& text) {
  // Only the first print after the command can be its echo.
  const bool silent =
      expectedEcho_ && FoldSwap(text) == FoldSwap(*expectedEcho_);
  expectedEcho_.reset();
  for (const Text& segment : SplitText(text, u"/")) {
    segments_.push_back({segment, silent});
  }
}

void PlayerView::OnConsoleLine(const Text& storedLine) {
  if (segments_.empty()) {
    // Not announced by a print: shown as it comes.
    Write(PlainParagraph(storedLine));
    return;
  }
  Segment& segment = segments_.front();
  if (!segmentStarted_) {
    // Written whole at once, so a page pause inside a long paragraph
    // comes after it rather than in the middle of a sentence.
    if (!segment.silent) {
      Write(segment.text == kForcedPause ? std::string()
                                         : PlainParagraph(segment.text));
    }
    segmentStarted_ = true;
    segmentTaken_ = 0;
  }
  // The console's lines of a segment are its pieces, in order ("<->" is
  // stored as an empty line).
  segmentTaken_ +=
      segment.text == kForcedPause ? segment.text.size() : storedLine.size();
  if (segmentTaken_ >= segment.text.size()) {
    segments_.pop_front();
    segmentStarted_ = false;
  }
}

// Nothing is typed while the title cards play, so the first line goes to
// the title menu.
void PlayerView::OnIntroCards(bool running) {
  platform_.SetTypingHeld(running);
}

void PlayerView::OnTitleMenu(const std::vector<Text>& menuLines) {
  for (const Text& line : menuLines) Write(PlainParagraph(line));
}

void PlayerView::OnTextPage(const std::vector<Text>& pageLines) {
  // The paged screens draw markup as it stands.
  for (const Text& line : pageLines) {
    Text visible;
    for (char16_t c : line) {
      if (c >= 0x20) visible += c;
    }
    std::string utf8 = TextToUtf8(visible);
    while (!utf8.empty() && utf8.back() == ' ') utf8.pop_back();
    Write(utf8);
  }
}

void PlayerView::OnInputWait(const InputWait& wait, bool begins) {
  if (begins) {
    waits_.push_back(wait);
  } else if (!waits_.empty()) {
    waits_.pop_back();
  }
}

}  // namespace zarvel::tty
