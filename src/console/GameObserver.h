#pragma once
// What a front end may observe beyond the pixels: the terminal runner turns
// these into its transcript. Notifications only: nothing here steers the
// game (skipping the waits for a key is the headless platform's business).
// Every method has a do-nothing default.

#include <vector>

#include "media/Text.h"

namespace zarvel {

class GameObserver {
 public:
  virtual ~GameObserver() = default;
  // A line was added to the console, as stored (markup kept, "<->" as "").
  virtual void OnConsoleLine(const Text& storedLine) { (void)storedLine; }
  // A wait for a key starts (WaitForKey, each of the page pause's waits).
  virtual void OnWaitForKey() {}
  // The intro's title cards start (true) or end (false).
  virtual void OnIntroCards(bool running) { (void)running; }
  // The title menu is shown (once per visit).
  virtual void OnTitleMenu(const std::vector<Text>& menuLines) {
    (void)menuLines;
  }
  // A page of a paged text screen is presented.
  virtual void OnTextPage(const std::vector<Text>& pageLines) {
    (void)pageLines;
  }
};

}  // namespace zarvel
