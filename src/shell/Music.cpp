// Handing over from the music now playing to the game track.
#include "media/Platform.h"
#include "shell/Game.h"
#include "shell/Shell.h"

namespace zarvel {

void FadeToGameMusic(Game& game) {
  Platform& platform = game.platform;
  ShellSettings& shell = game.shell;
  const TickerHandle ticker = platform.CreateTicker(20);
  // Twenty steps of 0.05 at 20 ticks per second: a fade of about a second.
  // Single precision, as the volume control takes it.
  for (float volume = 1.0f; volume >= 0.0f; volume -= 0.05f) {
    platform.WaitTick(ticker);
    platform.SetVolume(shell.musicChannel, volume);
  }
  // The old channel is paused rather than stopped; a new channel plays the
  // game track from its beginning.
  platform.SetPaused(shell.musicChannel, true);
  shell.musicChannel = platform.Play(shell.gameTrack);
}

}  // namespace zarvel
