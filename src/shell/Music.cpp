// Handing over from the music now playing to the game track.
#include "game/Game.h"
#include "media/Platform.h"
#include "shell/Shell.h"

namespace zarvel {

void FadeToGameMusic(Game& game) {
  Platform& platform = game.platform;
  MusicState& music = game.music;
  const TickerHandle ticker = platform.CreateTicker(20);
  // Twenty steps of 0.05 at 20 ticks per second: a fade of about a second.
  // Single precision, as the volume control takes it.
  for (float volume = 1.0f; volume >= 0.0f; volume -= 0.05f) {
    platform.WaitTick(ticker);
    platform.SetVolume(music.channel, volume);
  }
  // The old channel is paused rather than stopped; a new channel plays the
  // game track from its beginning.
  platform.SetPaused(music.channel, true);
  music.channel = platform.Play(music.gameTrack);
}

}  // namespace zarvel
