#pragma once
// A Console on the fake platform with an observer that records what a front
// end would see.

#include <string>
#include <vector>

#include "console/Console.h"
#include "support/FakePlatform.h"

namespace zarvel::testing {

class RecordingObserver : public GameObserver {
 public:
  std::vector<std::u16string> lines;
  std::vector<std::vector<std::u16string>> pages;
  std::vector<std::vector<std::u16string>> menus;
  std::vector<bool> introCards;
  int waits = 0;

  void OnConsoleLine(const Text& line) override { lines.push_back(line); }
  void OnWaitForKey() override { ++waits; }
  void OnIntroCards(bool running) override { introCards.push_back(running); }
  void OnTitleMenu(const std::vector<Text>& menu) override {
    menus.push_back(menu);
  }
  void OnTextPage(const std::vector<Text>& page) override {
    pages.push_back(page);
  }
};

struct TestConsole {
  FakePlatform platform;
  RecordingObserver observer;
  Console console{platform};
  TestConsole() { console.observer = &observer; }
};

// "a" repeated so the text is `pixels` wide on the fake platform (digits
// are as many pixels wide as their value, "a" and the rest 10).
inline std::u16string WordOfWidth(FakePlatform& platform, int pixels) {
  for (char16_t d = u'1'; d <= u'9'; ++d) platform.widths[d] = d - u'0';
  std::u16string word(static_cast<size_t>(pixels / 10), u'a');
  if (pixels % 10 != 0) word += static_cast<char16_t>(u'0' + pixels % 10);
  return word;
}

}  // namespace zarvel::testing
