#pragma once
// The game shell: start-up, the frame loop, the title menu, the intro and
// the two endings.
// The folder's interface header: named after the folder, it declares, for
// all of the folder's files, what the layers above may call (see
// ARCHITECTURE.md, "Headers").

#include "media/Text.h"

namespace zarvel {

struct Game;

// The whole program: start-up sequence, then the main loop for ever. Returns
// false when the game's screen cannot be opened; otherwise leaves only
// through EndProgram.
bool Main(Game& game);
// Start-up steps 1 to 13 (up to the main loop), and one frame of the loop.
// StartUp stops, returning false, when the game's screen cannot be opened.
bool StartUp(Game& game);
void RunMainLoopFrame(Game& game);
// Serves a pending flow request: the end credits, a quiet room reload or
// the outro.
void ServePendingFlow(Game& game);

void RunTitleMenu(Game& game);
// Fades the music now playing out over about a second, pauses its channel
// and starts the game track on a new one.
void FadeToGameMusic(Game& game);
void ShowPagedText(Game& game, const Text& text, int topRow);

void PlayIntro(Game& game);
void ShowGameOver(Game& game);
void PlayOutro(Game& game);

}  // namespace zarvel
