#pragma once
// What zarvel-tty writes: every console line at the moment it is added, the
// waits for a key, and (in the plain form) the screens that are drawn
// rather than printed, written as their text.

#include <cstdio>
#include <string>

#include "console/GameObserver.h"
#include "media/headless/HeadlessPlatform.h"

namespace zarvel::tty {

// A console line as stored, made safe for a transcript: characters below
// U+0020 as "\x" and two hex digits, a backslash doubled.
std::string RawTranscriptLine(const Text& storedLine);
// The line as the player sees it: markup removed as drawing removes it;
// Tab and CR draw as blanks, other control characters draw nothing.
std::string PlainTranscriptLine(const Text& storedLine);

class TranscriptObserver : public GameObserver {
 public:
  TranscriptObserver(HeadlessPlatform& platform, std::FILE* out, bool raw);

  // Writes one line and its "\n"; also used for the platform's own lines
  // (trace and confirmation), so everything stays in order.
  void WriteLine(const std::string& utf8);

  void OnConsoleLine(const Text& storedLine) override;
  void OnWaitForKey() override;
  void OnIntroCards(bool running) override;
  void OnTitleMenu(const std::vector<Text>& menuLines) override;
  void OnTextPage(const std::vector<Text>& pageLines) override;

 private:
  HeadlessPlatform& platform_;
  std::FILE* out_;
  bool raw_;
};

}  // namespace zarvel::tty
