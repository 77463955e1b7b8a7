#pragma once
// How the desktop knows the game's window: its class (for the desktop
// entry's StartupWMClass and the task bar) and its icon.

#include <string>

struct SDL_Window;

namespace zarvel {

// The resource the window icon is read from, when the program has one.
inline constexpr const char* kWindowIconResource = "gfx/zarvel-icon.png";

// Names the window class "zarvel" unless the user set one; before SDL_Init.
void SetWindowClass();
// Gives the window the picture of an icon PNG; without one (empty or
// unreadable bytes) SDL's stays.
void SetWindowIconFromPng(SDL_Window* window, const std::string& pngBytes);

}  // namespace zarvel
