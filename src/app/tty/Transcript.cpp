#include "Transcript.h"

#include "console/Markup.h"

namespace zarvel::tty {

std::string RawTranscriptLine(const Text& storedLine) {
  static const char kHex[] = "0123456789abcdef";
  Text escaped;
  for (char16_t c : storedLine) {
    if (c < 0x20) {
      escaped += u"\\x";
      escaped += static_cast<char16_t>(kHex[c >> 4]);
      escaped += static_cast<char16_t>(kHex[c & 15]);
    } else if (c == u'\\') {
      escaped += u"\\\\";
    } else {
      escaped += c;
    }
  }
  return TextToUtf8(escaped);
}

namespace {

// Tab and CR draw as blanks; the other control characters have no glyph.
std::string VisibleText(const Text& text) {
  Text visible;
  for (char16_t c : text) {
    if (c == u'\t' || c == u'\r') {
      visible += u' ';
    } else if (c >= 0x20) {
      visible += c;
    }
  }
  return TextToUtf8(visible);
}

}  // namespace

std::string PlainTranscriptLine(const Text& storedLine) {
  return VisibleText(StripMarkup(storedLine));
}

TranscriptObserver::TranscriptObserver(HeadlessPlatform& platform,
                                       std::FILE* out, bool raw)
    : platform_(platform), out_(out), raw_(raw) {}

void TranscriptObserver::WriteLine(const std::string& utf8) {
  std::fwrite(utf8.data(), 1, utf8.size(), out_);
  std::fputc('\n', out_);
}

void TranscriptObserver::OnConsoleLine(const Text& storedLine) {
  WriteLine(raw_ ? RawTranscriptLine(storedLine)
                 : PlainTranscriptLine(storedLine));
}

void TranscriptObserver::OnWaitForKey() { WriteLine("[wait]"); }

// Nothing is typed while the title cards play, so the first line of the
// keys goes to the title menu.
void TranscriptObserver::OnIntroCards(bool running) {
  platform_.SetTypingHeld(running);
}

void TranscriptObserver::OnTitleMenu(const std::vector<Text>& menuLines) {
  if (raw_) return;
  for (const Text& line : menuLines) WriteLine(VisibleText(line));
}

void TranscriptObserver::OnTextPage(const std::vector<Text>& pageLines) {
  if (raw_) return;
  // The paged screens draw markup as it stands.
  for (const Text& line : pageLines) WriteLine(VisibleText(line));
}

}  // namespace zarvel::tty
