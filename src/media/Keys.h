#pragma once
// The control codes the game reads from the keyboard's character queue, and
// the key code of Escape, whose held state the game asks for.

namespace zarvel {

inline constexpr int kKeyBackspace = 8;
inline constexpr int kKeyTab = 9;
inline constexpr int kKeyEnter = 13;
inline constexpr int kKeyEscape = 27;

}  // namespace zarvel
