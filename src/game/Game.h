#pragma once
// The one object that owns a running game: the Platform it runs on, the
// World, the Console and the state records of the program around them.
// Operations that use several of these take the Game; the others take only
// the part they need, so a test can run a whole game in a few lines.
// This header also holds those plain state records (no code of their own).

#include <array>
#include <cstdint>

#include "console/Console.h"
#include "data/World.h"
#include "media/Platform.h"
#include "media/Text.h"

namespace zarvel {

// The two music tracks, the channel now playing and the player's choice.
struct MusicState {
  SoundHandle introTrack = 0;
  SoundHandle gameTrack = 0;
  ChannelHandle channel = 0;
  bool on = true;
};

// The player's display choices and the font every screen uses.
struct DisplayState {
  FontHandle font = 0;
  bool fullscreen = false;
};

// The title screens: the story text and the clock their credits cycle on.
struct TitleState {
  Text storyText;
  int32_t introClock = 0;
};

struct Game {
  explicit Game(Platform& platformToUse)
      : platform(platformToUse), console(platformToUse) {}

  Platform& platform;
  World world;
  Console console;
  MusicState music;
  DisplayState display;
  TitleState title;
  bool debugMode = false;
  std::array<int, kPlayerCapacity> savedPlayerRooms{};
};

// Every text of the game reaches the player through its console.
inline void ConsolePrint(Game& game, const Text& text) {
  ConsolePrint(game.console, text);
}

// LoadWorld with the Escape / close-request check of the platform.
void LoadWorld(Game& game);

}  // namespace zarvel
