#pragma once
// Small helpers shared by the readers of condition and effect elements.

#include "data/World.h"
#include "media/Text.h"

namespace zarvel {

// An argument cut at its first "/".
struct ElementPair {
  bool hasSlash = false;
  Text first;   // before the "/" (the whole argument when there is none)
  Text second;  // after the "/"
};
ElementPair SplitPair(const Text& argument);

}  // namespace zarvel
