#pragma once
// A Game on the fake platform with an observer that records what a front
// end would see (for the tests of the layers above the console).

#include <string>
#include <vector>

#include "game/Game.h"
#include "support/TestConsole.h"

namespace zarvel::testing {

struct TestGame {
  FakePlatform platform;
  RecordingObserver observer;
  Game game{platform};
  TestGame() { game.console.observer = &observer; }
};

}  // namespace zarvel::testing
