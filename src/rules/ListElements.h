#pragma once
// Small helpers shared by the readers of condition and effect elements.

#include "data/World.h"
#include "media/Text.h"

namespace zarvel {

// When element begins with keyword (exactly, "=" included), stores the rest
// in argument and returns true.
bool TakeKeyword(const Text& element, const Text& keyword, Text& argument);

// An argument cut at its first "/".
struct ElementPair {
  bool hasSlash = false;
  Text first;   // before the "/" (the whole argument when there is none)
  Text second;  // after the "/"
};
ElementPair SplitPair(const Text& argument);

}  // namespace zarvel
