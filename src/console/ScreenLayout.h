#pragma once
// The metrics of the text-grid screens (title menu, credits, paged text):
// measured once after the intro, kept across screen-mode switches.

#include "media/Platform.h"

namespace zarvel {

struct ScreenLayout {
  int lineHeight = 0;
  int charWidth = 0;
  ImageHandle logoImage = 0;
};

}  // namespace zarvel
