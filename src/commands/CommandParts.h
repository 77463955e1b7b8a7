#pragma once
// The pieces of the command table, shared between the dispatcher and the
// files that carry the commands out.
// The folder's inner header: what the files of commands/ share among
// themselves; nothing outside the folder includes it (see ARCHITECTURE.md,
// "Headers").

#include <string>

#include "media/Text.h"

namespace zarvel {

struct Game;
struct World;

// Whether the current player's gender is one the stock replies know.
bool HasKnownGender(const World& world);
// Prints before + the gendered message + after as one line, or nothing when
// the gender is neither "muž" nor "žena" (like every gendered reply).
void ReplyWithKeyFramed(Game& game, const std::string& key, const Text& before,
                        const Text& after);

// System commands (whole lines, and quit and restart by their verb).
void ToggleDebug(Game& game);
void SwapToQwerty(Game& game);
void SwapToQwertz(Game& game);
void AskToQuit(Game& game);
void SwitchToFullscreen(Game& game);
void SwitchToWindow(Game& game);
void AskToRestart(Game& game);
void SilenceMusic(Game& game);
void ResumeMusic(Game& game);

// The six directions of currentExits, in the order north .. down.
void Move(Game& game, int direction);
void ListInventory(Game& game);

}  // namespace zarvel
